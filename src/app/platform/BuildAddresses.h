// The addresses of the web this build was configured with (CMake cache variables
// QOR_UPDATE_SERVER, QOR_DOWNLOAD_PAGE and QOR_HOMEPAGE); the programs name no other. The
// configuration file may name another update server: section [Update], key Server (the main
// window passes it to TChaUpdate).
#pragma once

namespace qor {

// Plain texts, kept whole in the program, so that a look at its bytes finds each address.
// The update server of the build; empty when the build names none.
const char* BuildUpdateServer();
// The page that offers the newest version for download.
const char* DownloadPageAddress();
// The product's home page; empty when the build names none.
const char* HomePageAddress();

} // namespace qor
