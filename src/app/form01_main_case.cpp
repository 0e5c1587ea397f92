// Case conversion of the selection (Edit > Change Case).
#include "edit/casecommands.h"
#include "form01_main.h"

namespace {

EditCommand Converting(CaseMode mode)
{
    return [mode](const EditRequest &request) { return ConvertCase(request, mode); };
}

constexpr EditChecks needsSelection { true, true };

} // namespace

void TformMain::Makeuppercase1Click()
{
    RunEditCommand(Converting(CaseMode::Upper), needsSelection);
}

void TformMain::Makelowercase1Click()
{
    RunEditCommand(Converting(CaseMode::Lower), needsSelection);
}

void TformMain::SentenceCase1Click()
{
    RunEditCommand(Converting(CaseMode::Sentence), needsSelection);
}

void TformMain::MakeWordCase1Click()
{
    RunEditCommand(Converting(CaseMode::Title), needsSelection);
}

void TformMain::InvertCase1Click()
{
    RunEditCommand(Converting(CaseMode::Invert), needsSelection);
}
