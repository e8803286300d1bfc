// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/mainwindow/commandrule.h"

bool commandAllowed(CommandRule rule, const CommandState &state)
{
    switch (rule) {
    case CommandRule::Always:
        return true;
    case CommandRule::SlideListHasEntries:
        return state.slideEntries > 0;
    case CommandRule::FocusedSlideListHasEntries:
        return state.slideListFocused && state.slideEntries > 0;
    case CommandRule::FileListHasEntries:
        return state.fileEntries > 0;
    case CommandRule::FocusedFileListHasEntries:
        return state.fileListFocused && state.fileEntries > 0;
    }
    return false;
}
