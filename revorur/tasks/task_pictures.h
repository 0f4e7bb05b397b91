#pragma once
// The pictures of the task tree: 32 x 32, picture 0 for the root "Task Manager" and one per
// operation in the order of the operation table (1 to 19), drawn at start-up.

#include "revorur/shell/image_lists.h"

namespace doz::tasks {

inline constexpr int TaskPictureSize = 32;

shell::ImageList TaskPictures();

} // namespace doz::tasks
