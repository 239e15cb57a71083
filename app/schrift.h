#pragma once

// Makes Noto Sans 14 pt the font of every widget, group title, menu, tool tip and message
// box, in place of whatever the platform offers (another family and size under X11 than
// headless), so that what the examiner sees is what the screenshots and layout tests measure.
// Call once the application object exists and before the first window is built.
void anwendungsschriftSetzen();
