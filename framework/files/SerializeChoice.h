#pragma once

#include <string>
#include <vector>

class Serializer;

// A value chosen from a list of texts (an animation's play mode, a door's
// direction). Three fields carry it: label + "_string" the text itself,
// label + "_index" its index when written, and label the index as the editor
// selected it. When both indices agree the text decides, so files stay valid
// when the list is reordered; when they differ the editor's selection wins.
// A text that is no longer among the options leaves the value as it was.
//
// Returns true when reading changed `value`. With an empty list only the
// text is serialized (it is read back as it stands) and the result is false.
bool SerializeChoice(Serializer& serializer, const char* label, const std::vector<std::string>& options,
                     std::string& value);
