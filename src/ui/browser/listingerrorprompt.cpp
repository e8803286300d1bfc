// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/browser/listingerrorprompt.h"

#include "core/browser/browsertexts.h"
#include "core/common/interaction.h"
#include "core/common/logcategories.h"
#include "platform/directorylister.h"

namespace {

void offerFormat(Interaction &interaction, const DirectoryLister &lister, const QString &folder,
                 FormatWording wording)
{
    const auto answer =
        interaction.messageBox(BrowserTexts::notFormatted(folder), MessageStyle::WarningYesNo,
                               BrowserTexts::deviceErrorTitle());
    if (answer != Interaction::Answer::Yes)
        return;
    const QString suffix =
        wording == FormatWording::FolderTree ? BrowserTexts::treeFormatSuffix() : QString();
    const FormatResult result = lister.formatDrive(folder);
    if (result == FormatResult::NotPossible)
        interaction.messageBox(BrowserTexts::cannotFormat() + suffix, MessageStyle::Plain, {});
    else if (result == FormatResult::Failed)
        interaction.messageBox(BrowserTexts::formatError() + suffix, MessageStyle::Plain, {});
}

} // namespace

bool askAgainAfterListingError(Interaction &interaction, const DirectoryLister &lister,
                               const QString &folder, const DirectoryListing &listing,
                               FormatWording wording)
{
    switch (listing.error) {
    case ListingError::NotReady:
        return interaction.messageBox(BrowserTexts::notAccessible(folder, listing.systemText),
                                      MessageStyle::ErrorRetry, BrowserTexts::deviceErrorTitle()) ==
               Interaction::Answer::Retry;
    case ListingError::Unformatted:
        offerFormat(interaction, lister, folder, wording);
        return false;
    case ListingError::Other:
        qCDebug(logBrowser) << "folder cannot be read, passed over:" << folder
                            << listing.systemText;
        break;
    case ListingError::None:
        break;
    }
    return false;
}
