// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <string>

namespace tarvex {

// The bytes of a file name that Qt holds as text (a name chosen in a file
// dialog). Qt shows a name that is not UTF-8 with replacement characters and
// cannot give its bytes back; each such part of the path is found again among
// its folder's entries, as the one entry Qt shows that way. Any other name,
// a new one included, is encoded as Qt encodes file names.
std::string local_file_name(const QString& name);

// A file name's bytes as Qt shows them, for messages and titles.
QString shown_file_name(const std::string& path);

}  // namespace tarvex
