#include "app/platform/BuildAddresses.h"

#ifndef QOR_UPDATE_SERVER
#define QOR_UPDATE_SERVER ""
#endif
#ifndef QOR_DOWNLOAD_PAGE
#define QOR_DOWNLOAD_PAGE ""
#endif
#ifndef QOR_HOMEPAGE
#define QOR_HOMEPAGE ""
#endif

namespace qor {

const char* BuildUpdateServer()
{
    return QOR_UPDATE_SERVER;
}

const char* DownloadPageAddress()
{
    return QOR_DOWNLOAD_PAGE;
}

const char* HomePageAddress()
{
    return QOR_HOMEPAGE;
}

} // namespace qor
