#include "Links.h"

#include <QDesktopServices>
#include <QUrl>

namespace platform {

namespace {
LinkOpener& opener()
{
    static LinkOpener o;
    return o;
}
} // namespace

void OpenLink(const QString& target)
{
    if (opener()) {
        opener()(target);
        return;
    }
    QDesktopServices::openUrl(QUrl(target)); // the result is deliberately not examined
}

LinkOpener SetLinkOpener(LinkOpener o)
{
    return std::exchange(opener(), std::move(o));
}

} // namespace platform
