// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// When a command of the main window may run. The rule is checked when the command is
// triggered, not shown in advance: menus and toolbar always offer every command, and a command
// whose rule fails simply does nothing.
enum class CommandRule {
    Always,
    SlideListHasEntries,
    FocusedSlideListHasEntries, // acts on the slide list, which must have the focus
    FileListHasEntries,
    FocusedFileListHasEntries, // acts on the file list, which must have the focus
};

// What the rules look at, read at the moment of the command.
struct CommandState {
    int slideEntries = 0;
    int fileEntries = 0;
    bool slideListFocused = false;
    bool fileListFocused = false;
};

bool commandAllowed(CommandRule rule, const CommandState &state);
