#pragma once
// The operations Revorur knows by their engine operation code (task property 4): the text shown
// in the property list, the picture of the task's node and the prefix of its channel names.

#include <string_view>

namespace doz::tasks {

struct Operation {
    int code;
    std::string_view text;
    int picture; // index into the task image list
    std::string_view channelPrefix;
};

// The row of a code, or nullptr for a code the task list has no label for.
const Operation* FindOperation(int code);

// The text of a code; empty for an unknown one.
std::string_view OperationText(int code);
// The picture of a code. An unknown code is its own picture: an index past the end of the image
// list, so the node shows none yet counts as a loaded task.
int OperationPicture(int code);
// The channel prefix of a code; empty for an unknown one.
std::string_view ChannelPrefix(int code);

} // namespace doz::tasks
