// SPDX-License-Identifier: MIT
#pragma once
// The program's start, from before the toolkit opens its window platform until the window is
// shown. Meanwhile what Qt says is held back. Should Qt fail fatally, Qt itself would abort,
// often with advice to reinstall the program, which is wrong and alarming: instead the program
// says in one line what failed and ends with status 1:
//  - no display at all (neither DISPLAY nor WAYLAND_DISPLAY): so, and how to get a virtual one;
//  - a display named but out of reach: which one;
//  - a window platform that does not exist or cannot be loaded: which one, Qt's own reason,
//    and the platforms there are;
//  - any other fatal message: that message.
// Each case is told from what is known, the environment and what Qt reports (whether a platform
// came up, which plugins there are and whether they load), never from the wording of Qt's
// messages, which changes between Qt versions.
// Once the window is shown, what was held back goes on to Qt's own message handler.
class StartUp final {
public:
    StartUp(int argc, char** argv);
    ~StartUp();
    StartUp(const StartUp&) = delete;
    StartUp& operator=(const StartUp&) = delete;

    // The window is shown: Qt's messages go their normal way again, the held ones first.
    void finished();
};
