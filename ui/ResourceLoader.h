#pragma once
// Turns the resources of res/ into Qt objects.

#include <QIcon>
#include <QString>

#include <string_view>

namespace velmar {

// The icon with all its images; a null icon when there is no such resource.
QIcon LoadIcon(int id);
// A string of the string table; empty when there is none.
QString LoadString(int id);
QString FromUtf8(std::string_view text);

} // namespace velmar
