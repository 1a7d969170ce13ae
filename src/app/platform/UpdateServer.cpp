#include "app/platform/UpdateServer.h"

#ifndef QOR_UPDATE_SERVER
#define QOR_UPDATE_SERVER ""
#endif
#ifndef QOR_DOWNLOAD_PAGE
#define QOR_DOWNLOAD_PAGE ""
#endif

namespace qor {

std::string BuildUpdateServer()
{
    return QOR_UPDATE_SERVER;
}

std::string DownloadPageAddress()
{
    return QOR_DOWNLOAD_PAGE;
}

} // namespace qor
