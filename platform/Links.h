#pragma once

#include <QString>
#include <functional>

namespace platform {

// Opens a document or address ("mailto:...", "http://...") with the desktop's
// default handler. A missing or failing handler is ignored silently.
void OpenLink(const QString& target);

// Replaces what OpenLink does (an empty function restores the desktop's
// handler) and returns the previous replacement.
using LinkOpener = std::function<void(const QString& target)>;
LinkOpener SetLinkOpener(LinkOpener opener);

} // namespace platform
