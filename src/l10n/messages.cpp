#include "messages.h"

#include "platform/texthelpers.h"

#include <QCoreApplication>

#include <iterator>

namespace {

// Indexed by Msg; the context is what translations are filed under.
constexpr const char *texts[] = {
    QT_TRANSLATE_NOOP("Messages", "Orvane.ENG"),
    QT_TRANSLATE_NOOP("Messages",
        "The default language of Orvane is English, you are using a localized version."),
    QT_TRANSLATE_NOOP("Messages", "Localization file:"),
    QT_TRANSLATE_NOOP("Messages", "Localized by: "),
    QT_TRANSLATE_NOOP("Messages", "You can change language from Settings/Options/Language"),
    QT_TRANSLATE_NOOP(
        "Messages", "Failed to read INI file. The file is being used by another process."),
    QT_TRANSLATE_NOOP("Messages", "Could not open file: "),
    QT_TRANSLATE_NOOP("Messages", "Save changes to text?"),
    QT_TRANSLATE_NOOP("Messages", "No printer found"),
    QT_TRANSLATE_NOOP("Messages", "No default printer found, try to print anyway?"),
    QT_TRANSLATE_NOOP("Messages", "Click to open link\\n"),
    QT_TRANSLATE_NOOP("Messages", "Click to compose e-mail\\n"),
    QT_TRANSLATE_NOOP("Messages", "Double click to open link\\n"),
    QT_TRANSLATE_NOOP("Messages", "CTRL + click to open link\\n"),
    QT_TRANSLATE_NOOP("Messages", "Double click to compose e-mail\\n"),
    QT_TRANSLATE_NOOP("Messages", "CTRL + click to compose e-mail\\n"),
    QT_TRANSLATE_NOOP("Messages", ", Col: "),
    QT_TRANSLATE_NOOP("Messages", "Ln: "),
    QT_TRANSLATE_NOOP("Messages",
        "You have selected to not allow changes to the text. This can be turned off under the "
        "Settings menu."),
    QT_TRANSLATE_NOOP("Messages", "Change zoom level with Ctrl + mouse wheel or Ctrl + plus/minus"),
    QT_TRANSLATE_NOOP("Messages", "Reset with Ctrl + 0 or double click this text"),
    QT_TRANSLATE_NOOP("Messages",
        "This will reset all Orvane settings, including file history.\\n\\nAre you sure you want "
        "to continue?"),
    QT_TRANSLATE_NOOP("Messages", "Auto width: only integer values allowed."),
    QT_TRANSLATE_NOOP("Messages", "Auto width: padding can not be blank (use 0 for no padding)"),
    QT_TRANSLATE_NOOP("Messages", "Auto width: min width can not be blank"),
    QT_TRANSLATE_NOOP("Messages", "Auto width: max width can not be blank"),
    QT_TRANSLATE_NOOP("Messages", "Auto width: max width can not be smaller than min width."),
    QT_TRANSLATE_NOOP("Messages", "Tab size must be a positive integer. Default is 8."),
    QT_TRANSLATE_NOOP("Messages", "Text: "),
    QT_TRANSLATE_NOOP("Messages",
        "Failed to write to INI file, make sure the file is not write protected. Do you want store "
        "program settings to the registry instead?"),
    QT_TRANSLATE_NOOP("Messages", "is not a valid integer value."),
    QT_TRANSLATE_NOOP("Messages", "Occurences in text: "),
    QT_TRANSLATE_NOOP("Messages", "Case sensitive"),
    QT_TRANSLATE_NOOP("Messages", "Replaced "),
    QT_TRANSLATE_NOOP("Messages", " occurrences in the text."),
    QT_TRANSLATE_NOOP("Messages", "Text not found: "),
    QT_TRANSLATE_NOOP(
        "Messages", "The application must be restarted for some of the settings to take effect"),
    QT_TRANSLATE_NOOP("Messages", "yes"),
    QT_TRANSLATE_NOOP("Messages", "no"),
    QT_TRANSLATE_NOOP("Messages", "Sel: "),
    QT_TRANSLATE_NOOP("Messages",
        "There was an error writing the registry key. This could be because your user account "
        "doesn't have the required administrator rights to write to the Windows registry."),
    QT_TRANSLATE_NOOP("Messages", "Failed to set the program language."),
    QT_TRANSLATE_NOOP("Messages", "Failed to locate the language file:"),
    QT_TRANSLATE_NOOP("Messages",
        "Try reinstalling the program and make sure you add the languages you want to use."),
    QT_TRANSLATE_NOOP("Messages",
        "Alpha blend value is set so low that the window will be almost invisible, are you sure "
        "you want to continue?"),
    QT_TRANSLATE_NOOP("Messages",
        "You have selected to not allow anything to be written to the registry, change this "
        "setting in the Options dialog, press OK and try again."),
    QT_TRANSLATE_NOOP("Messages",
        "Are you sure you want to disable all write access to the windows registry?\\n\\nOrvane "
        "will not be able to:\\n - Change application language from the Options dialog\\n - "
        "Integrate into shell\\n - Associate files\\n - Make Orvane searchable from the start menu "
        "without a shortcut\\n"),
    QT_TRANSLATE_NOOP("Messages",
        "Are you sure you want to hide the menu bar? You can always bring it up again by pressing "
        "ALT."),
    QT_TRANSLATE_NOOP("Messages", "(Double click to copy)"),
    QT_TRANSLATE_NOOP("Messages",
        "You can also try to start Orvane as administrator (available when right clicking the "
        "Orvane shortcut in windows)."),
};

static_assert(std::size(texts) == std::size_t(Msg::notAdminHelpText) + 1);

} // namespace

QString message(Msg id)
{
    // Only the message's own text: a path put next to it keeps its backslashes.
    return ExpandLineBreakEscapes(QCoreApplication::translate("Messages", texts[int(id)]));
}
