#pragma once
// Where Velmar keeps what it writes for the user, by the XDG base directory rules, so that every program of ours
// finds the same files. They read the environment: call them from any thread, but not while another thread
// changes the environment.

#include <string>

namespace velmar {

// $HOME, else the home folder in the password database; empty when neither is known.
std::string HomeDir();

// Velmar's folder under $XDG_CONFIG_HOME (what the window remembers), $XDG_DATA_HOME (the history of sent
// settings) and $XDG_STATE_HOME (unsaved work kept for a crash); each variable counts only when it holds an
// absolute path, else ~/.config, ~/.local/share and ~/.local/state.
std::string ConfigDir();
std::string DataDir();
std::string StateDir();

} // namespace velmar
