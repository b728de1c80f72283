#include "app/WebLinks.h"

namespace orvelle {

std::optional<WebSite> WebLinkSite(Command item) {
    switch (item) {
        case Command::menuKvOnline: return WebSite::Product;
        case Command::menuKvMirror: return WebSite::Mirror;
        case Command::MenuVantrel: return WebSite::Maker;
        default: return std::nullopt;
    }
}

std::optional<SupportMail> SupportMailOf(Command item) {
    switch (item) {
        case Command::menuQuestion: return SupportMail::Question;
        case Command::menuComment: return SupportMail::Comments;
        case Command::menuBug: return SupportMail::Bug;
        default: return std::nullopt;
    }
}

}  // namespace orvelle
