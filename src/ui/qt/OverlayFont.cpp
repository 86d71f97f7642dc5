#include "ui/qt/OverlayFont.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <algorithm>
#include <cmath>
#include <map>
#include <string>

namespace ui::qt {

namespace {

// Families already looked up, as the font database answers them; cleared when faces are
// added.
std::map<std::string, QString, std::less<>>& ResolvedFamilies() {
  static std::map<std::string, QString, std::less<>> resolved;  // user-interface thread only
  return resolved;
}

}  // namespace

QString OverlayFamily() {
  return QStringLiteral("Open Sans");
}

const std::vector<int>& RegisterOverlayFonts() {
  static std::vector<int> ids;  // user-interface thread only
  static bool added = false;
  if (added || !QGuiApplication::instance()) return ids;
  added = true;
  for (const char* face : {"Regular", "Bold", "Italic", "BoldItalic"}) {
    const int id = QFontDatabase::addApplicationFont(
        QStringLiteral(":/orvane/fonts/OpenSans-%1.ttf").arg(QLatin1String(face)));
    if (id >= 0) ids.push_back(id);
  }
  ResolvedFamilies().clear();
  return ids;
}

QString ResolveFamily(std::string_view family) {
  const QString name = QString::fromUtf8(family.data(), static_cast<qsizetype>(family.size()));
  if (name.isEmpty() || name == QLatin1String("Default") || name == QLatin1String("Segoe UI"))
    return OverlayFamily();
  // The font database needs the application.
  if (!QGuiApplication::instance()) return name;
  RegisterOverlayFonts();
  auto& resolved = ResolvedFamilies();
  if (const auto it = resolved.find(family); it != resolved.end()) return it->second;
  const QString result = QFontDatabase::hasFamily(name) ? name : OverlayFamily();
  resolved.emplace(std::string(family), result);
  return result;
}

namespace {

// 1 to 4096 window units; NaN gives 1.
float UsableSize(float size) {
  return size >= 1 ? std::min(size, 4096.0f) : 1;
}

int WholePixelSize(float size) {
  return static_cast<int>(std::lround(UsableSize(size)));
}

}  // namespace

double FontScale(float size) {
  return static_cast<double>(UsableSize(size)) / WholePixelSize(size);
}

QFont MakeQFont(const TFont& font) {
  RegisterOverlayFonts();
  QFont f(ResolveFamily(font.Family));
  f.setPixelSize(WholePixelSize(font.Size));
  f.setBold(font.Style & fsBold);
  f.setItalic(font.Style & fsItalic);
  f.setUnderline(font.Style & fsUnderline);
  f.setStrikeOut(font.Style & fsStrikeOut);
  f.setHintingPreference(QFont::PreferNoHinting);
  f.setStyleStrategy(QFont::PreferAntialias);
  return f;
}

}  // namespace ui::qt
