#pragma once

#include "archive/archive_recorder.h"

#include <QString>

namespace dvk {

class FileNotices;

// What the user is told about the match archive: it cannot be written (once, with the file or
// server and the system's reason), it can be written again, a damaged file was kept aside, or
// the settings name an address the program does not understand.
namespace ArchiveNotices {

void tell(FileNotices& notices, const ArchiveNotice& notice);
void tell_bad_address(FileNotices& notices, const QString& reason);

} // namespace ArchiveNotices

} // namespace dvk
