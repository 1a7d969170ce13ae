// The maker's addresses this build was configured with (CMake cache variables
// QOR_UPDATE_SERVER and QOR_DOWNLOAD_PAGE). The configuration file may name another update
// server: section [Update], key Server (the main window passes it to TChaUpdate).
#pragma once

#include <string>

namespace qor {

// The update server of the build; empty when the build names none.
std::string BuildUpdateServer();
// The page that offers the newest version for download.
std::string DownloadPageAddress();

} // namespace qor
