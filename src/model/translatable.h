#pragma once

// Marks a Russian text of the core that the interface shows in the user's language: Qt's
// lupdate collects it as it collects QT_TRANSLATE_NOOP (the build names this macro to it), and
// the interface looks the text up when it shows it. Everything else keeps the Russian: the
// stored settings and what varnel-sim prints. The context of every text of the core is
// "Messages".
#define VARNEL_TRANSLATE_NOOP(context, text) text
