// Finding the published properties of an object by name through its class's property table.
#include <gtest/gtest.h>

#include "scene/objects/Control3D.h"

namespace scene {
namespace {

TEST(PropertyTable, FindsPublishedPropertiesIgnoringCase) {
  TControl3D camera;
  const TPropertyInfo* position = camera.Properties().Find("position");
  ASSERT_NE(position, nullptr);
  ASSERT_EQ(position->Kind, TPropertyKind::Object);
  TPropertyHolder* triple = position->GetObject(camera);
  const TPropertyInfo* z = triple->Properties().Find("z");
  ASSERT_NE(z, nullptr);
  ASSERT_EQ(z->Kind, TPropertyKind::Float);
  z->SetFloat(*triple, -26);
  EXPECT_EQ(camera.Position().Z(), -26);
  EXPECT_EQ(z->GetFloat(*triple), -26);
  EXPECT_EQ(camera.LocalMatrix().m43, -26);  // written through the setter
  EXPECT_NE(camera.Properties().Find("NAME"), nullptr);
  EXPECT_EQ(camera.Properties().Find("Positio"), nullptr);
}

}  // namespace
}  // namespace scene
