// The Help menu's commands that open a web page or a new mail.
#pragma once

#include <optional>

#include "app/Commands.h"
#include "web/WebSites.h"

namespace orvelle {

// The site whose start page a web-link item opens.
std::optional<WebSite> WebLinkSite(Command item);
// The support mail a Support item writes.
std::optional<SupportMail> SupportMailOf(Command item);

}  // namespace orvelle
