#pragma once
// Turns the resources of res/ into Qt objects.

#include <QIcon>
#include <QImage>
#include <QString>
#include <QStringList>

#include <string_view>

namespace velmar {

// The icon with all its images; a null icon when there is no such resource.
QIcon LoadIcon(int id);
// One image of the icon, `size` pixels square; a null image when it has none of that size.
QImage LoadIconImage(int id, int size);
// A string of the string table; empty when there is none.
QString LoadString(int id);
QString FromUtf8(std::string_view text);
// One of Velmar's marked words (res::k...) in the language of the translation loaded, else as written.
QString Word(const char* source);
// Where a file the build makes is found, in the order to try: `installed` is relative to the installation's
// root (the folder above the program's), `built` is the file's place in the build tree.
QStringList InstalledOrBuilt(const char* installed, const char* built);

} // namespace velmar
