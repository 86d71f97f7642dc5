// The folder the screenshot command offers first: the user's documents folder, then
// "Quorvex", then "Planets", each with a trailing '/'.
#pragma once

#include <string>

namespace app {

// The picture folder's path, or "" when there is no documents folder.
extern std::string PictureFolder;

// Sets PictureFolder from the platform's documents folder and creates the two levels below it
// that are missing, one level each; a level that cannot be created is passed over silently
// (the save dialog then opens where the platform chooses). Answers whether there was a
// documents folder.
bool EnsurePictureFolder();

}  // namespace app
