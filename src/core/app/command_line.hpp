// Korvane.exe's command line, for shortcuts and batch files: "/use NAME [/quiet] [/game DIR]"
// makes a profile f1graphics.cfg without a window, as Use and then Save do in the window;
// "/game DIR" alone opens the window on that game folder.
#pragma once

#include "file/platform.hpp"

#include <optional>
#include <string>
#include <vector>

namespace korvane {

struct Arguments {
    enum class Mode {
        Window, // no arguments, or /game DIR alone
        Use,    // /use NAME
        Usage,  // anything else: the usage is shown
    };
    Mode mode = Mode::Window;
    std::string profile;             // the NAME of /use
    bool quiet = false;              // /quiet: no box at all, only the exit code
    std::optional<std::string> game; // the DIR of /game, as given
    bool operator==(const Arguments&) const = default;
};

// The arguments after the program's name. Switches may start with '/' or '-', in any letter
// case; each may be given once, /quiet only with /use.
Arguments ParseArguments(const std::vector<std::string>& args);

// The exit codes without a window.
inline constexpr int kExitDone = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

// Runs the command line without a window (Use or Usage), with the texts of the first of the
// language files that exists (else the German defaults). The game folder is the platform's
// (the registry's, or /game's). Returns the exit code. On any failure nothing is written and
// the error box shows what the window would show.
int RunWithoutWindow(Platform& platform, const Arguments& args,
                     const std::vector<std::string>& languageFiles);

} // namespace korvane
