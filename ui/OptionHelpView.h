#pragma once
// The radio's options explained where they are: a tooltip and an accessible description on each option control,
// and Help > Radio Options, which lists them all on one page.

class QWidget;

namespace velmar {

class CDialog;

void ExplainOptions(CDialog& dialog);
void ShowRadioOptions(QWidget* owner);

} // namespace velmar
