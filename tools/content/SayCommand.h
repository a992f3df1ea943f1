#pragma once

// zephyra-content --say PRESET "Text" OUT.ogg: one spoken line into a file,
// for listening to a voice while tuning it. The text is UTF-8 as typed.

namespace content {

// argv[2] the preset's element name, argv[3] the text, argv[4] the file;
// the exit code (0 when written, 1 when not, 2 for wrong arguments).
int RunSayCommand(int argc, char** argv);

} // namespace content
