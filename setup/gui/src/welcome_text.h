#pragma once

class QTextEdit;

// Fills the welcome view shown until the data bank is first loaded.
void ShowWelcomeText(QTextEdit* view);
