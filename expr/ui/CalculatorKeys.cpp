// SPDX-License-Identifier: GPL-3.0-or-later
#include "expr/ui/CalculatorKeys.h"

#include <QtGlobal>
#include <array>

namespace velmira::expr::ui {

namespace {

using expr::Key;
using F = KeyFamily;

// Functions on the left (trigonometry, logarithms, powers, then the SI
// prefixes with pi and the inverse); digits, operators, memory and EXE on
// the right.
constexpr std::array<KeyInfo, expr::kKeyCount> kKeys = {{
    {Key::Sine, "sineKey", "sin", QT_TRANSLATE_NOOP("velmira::expr::ui", "Sinus"),
     QT_TRANSLATE_NOOP("velmira::expr::ui", "sinus"), F::Function, 0, 0, 1},
    {Key::Cosine, "cosineKey", "cos", QT_TRANSLATE_NOOP("velmira::expr::ui", "Cosinus"),
     QT_TRANSLATE_NOOP("velmira::expr::ui", "cosinus"), F::Function, 0, 1, 1},
    {Key::Tangent, "tangentKey", "tan", QT_TRANSLATE_NOOP("velmira::expr::ui", "Tangente"),
     QT_TRANSLATE_NOOP("velmira::expr::ui", "tangente"), F::Function, 0, 2, 1},
    {Key::OpenParenthesis, "openParenthesisKey", "(", QT_TRANSLATE_NOOP("velmira::expr::ui", "Parenthèse ouvrante"),
     QT_TRANSLATE_NOOP("velmira::expr::ui", "parenthèse ouvrante"), F::Function, 0, 3, 1},
    {Key::CloseParenthesis, "closeParenthesisKey", ")", QT_TRANSLATE_NOOP("velmira::expr::ui", "Parenthèse fermante"),
     QT_TRANSLATE_NOOP("velmira::expr::ui", "parenthèse fermante"), F::Function, 0, 4, 1},
    {Key::ArcSine, "arcSineKey", "INV S&IN", QT_TRANSLATE_NOOP("velmira::expr::ui", "Arc sinus"),
     QT_TRANSLATE_NOOP("velmira::expr::ui", "arc sinus"), F::Function, 1, 0, 1},
    {Key::ArcCosine, "arcCosineKey", "INV C&OS", QT_TRANSLATE_NOOP("velmira::expr::ui", "Arc cosinus"),
     QT_TRANSLATE_NOOP("velmira::expr::ui", "arc cosinus"), F::Function, 1, 1, 1},
    {Key::ArcTangent, "arcTangentKey", "INV T&AN", QT_TRANSLATE_NOOP("velmira::expr::ui", "Arc tangente"),
     QT_TRANSLATE_NOOP("velmira::expr::ui", "arc tangente"), F::Function, 1, 2, 1},
    {Key::Square, "squareKey", "x²", QT_TRANSLATE_NOOP("velmira::expr::ui", "Carré"),
     QT_TRANSLATE_NOOP("velmira::expr::ui", "carré"), F::Function, 1, 3, 1},
    {Key::Power, "powerKey", "xʸ", QT_TRANSLATE_NOOP("velmira::expr::ui", "Puissance"),
     QT_TRANSLATE_NOOP("velmira::expr::ui", "puissance"), F::Function, 1, 4, 1},
    {Key::NaturalLog, "naturalLogKey", "ln", QT_TRANSLATE_NOOP("velmira::expr::ui", "Logarithme népérien"),
     QT_TRANSLATE_NOOP("velmira::expr::ui", "logarithme népérien"), F::Function, 2, 0, 1},
    {Key::DecimalLog, "decimalLogKey", "log", QT_TRANSLATE_NOOP("velmira::expr::ui", "Logarithme décimal"),
     QT_TRANSLATE_NOOP("velmira::expr::ui", "logarithme décimal"), F::Function, 2, 1, 1},
    {Key::Exponential, "exponentialKey", "exp", QT_TRANSLATE_NOOP("velmira::expr::ui", "Exponentielle"),
     QT_TRANSLATE_NOOP("velmira::expr::ui", "exponentielle"), F::Function, 2, 2, 1},
    {Key::PowerOfTen, "powerOfTenKey", "10ˣ", QT_TRANSLATE_NOOP("velmira::expr::ui", "Puissance de 10"),
     QT_TRANSLATE_NOOP("velmira::expr::ui", "puissance de 10"), F::Function, 2, 3, 1},
    {Key::SquareRoot, "squareRootKey", "√", QT_TRANSLATE_NOOP("velmira::expr::ui", "Racine carrée"),
     QT_TRANSLATE_NOOP("velmira::expr::ui", "racine carrée"), F::Function, 2, 4, 1},
    {Key::Tera, "teraKey", "T", QT_TRANSLATE_NOOP("velmira::expr::ui", "Téra : × 10¹²"),
     QT_TRANSLATE_NOOP("velmira::expr::ui", "téra"), F::Prefix, 3, 0, 1},
    {Key::Giga, "gigaKey", "G", QT_TRANSLATE_NOOP("velmira::expr::ui", "Giga : × 10⁹"),
     QT_TRANSLATE_NOOP("velmira::expr::ui", "giga"), F::Prefix, 3, 1, 1},
    {Key::Mega, "megaKey", "M", QT_TRANSLATE_NOOP("velmira::expr::ui", "Méga : × 10⁶"),
     QT_TRANSLATE_NOOP("velmira::expr::ui", "méga"), F::Prefix, 3, 2, 1},
    {Key::Kilo, "kiloKey", "k", QT_TRANSLATE_NOOP("velmira::expr::ui", "Kilo : × 10³"),
     QT_TRANSLATE_NOOP("velmira::expr::ui", "kilo"), F::Prefix, 3, 3, 1},
    {Key::Pi, "piKey", "π", QT_TRANSLATE_NOOP("velmira::expr::ui", "Nombre pi"),
     QT_TRANSLATE_NOOP("velmira::expr::ui", "pi"), F::Function, 3, 4, 1},
    {Key::Milli, "milliKey", "m", QT_TRANSLATE_NOOP("velmira::expr::ui", "Milli : × 10⁻³"),
     QT_TRANSLATE_NOOP("velmira::expr::ui", "milli"), F::Prefix, 4, 0, 1},
    {Key::Micro, "microKey", "µ", QT_TRANSLATE_NOOP("velmira::expr::ui", "Micro : × 10⁻⁶"),
     QT_TRANSLATE_NOOP("velmira::expr::ui", "micro"), F::Prefix, 4, 1, 1},
    {Key::Nano, "nanoKey", "n", QT_TRANSLATE_NOOP("velmira::expr::ui", "Nano : × 10⁻⁹"),
     QT_TRANSLATE_NOOP("velmira::expr::ui", "nano"), F::Prefix, 4, 2, 1},
    {Key::Pico, "picoKey", "p", QT_TRANSLATE_NOOP("velmira::expr::ui", "Pico : × 10⁻¹²"),
     QT_TRANSLATE_NOOP("velmira::expr::ui", "pico"), F::Prefix, 4, 3, 1},
    {Key::Reciprocal, "reciprocalKey", "1/x", QT_TRANSLATE_NOOP("velmira::expr::ui", "Inverse"),
     QT_TRANSLATE_NOOP("velmira::expr::ui", "inverse"), F::Function, 4, 4, 1},

    {Key::MemoryClear, "memoryClearKey", "MC", QT_TRANSLATE_NOOP("velmira::expr::ui", "Effacer la mémoire"),
     QT_TRANSLATE_NOOP("velmira::expr::ui", "effacer la mémoire"), F::Memory, 0, 5, 1},
    {Key::MemoryRecall, "memoryRecallKey", "MR", QT_TRANSLATE_NOOP("velmira::expr::ui", "Rappel mémoire"),
     QT_TRANSLATE_NOOP("velmira::expr::ui", "rappel mémoire"), F::Memory, 0, 6, 1},
    {Key::MemoryAdd, "memoryAddKey", "M+", QT_TRANSLATE_NOOP("velmira::expr::ui", "Ajouter à la mémoire"),
     QT_TRANSLATE_NOOP("velmira::expr::ui", "ajouter à la mémoire"), F::Memory, 0, 7, 1},
    {Key::MemorySubtract, "memorySubtractKey", "M−", QT_TRANSLATE_NOOP("velmira::expr::ui", "Soustraire à la mémoire"),
     QT_TRANSLATE_NOOP("velmira::expr::ui", "soustraire à la mémoire"), F::Memory, 0, 8, 1},
    {Key::Answer, "answerKey", "ANS", QT_TRANSLATE_NOOP("velmira::expr::ui", "Dernière réponse"),
     QT_TRANSLATE_NOOP("velmira::expr::ui", "dernière réponse"), F::Memory, 0, 9, 1},
    {Key::Digit7, "digit7Key", "7", "", "7", F::Digit, 1, 5, 1},
    {Key::Digit8, "digit8Key", "8", "", "8", F::Digit, 1, 6, 1},
    {Key::Digit9, "digit9Key", "9", "", "9", F::Digit, 1, 7, 1},
    {Key::Backspace, "backspaceKey", "⌫", QT_TRANSLATE_NOOP("velmira::expr::ui", "Effacer le dernier élément"),
     QT_TRANSLATE_NOOP("velmira::expr::ui", "effacer le dernier élément"), F::Edit, 1, 8, 1},
    {Key::ClearAll, "clearAllKey", QT_TRANSLATE_NOOP("velmira::expr::ui", "RAZ"),
     QT_TRANSLATE_NOOP("velmira::expr::ui", "Tout effacer"), QT_TRANSLATE_NOOP("velmira::expr::ui", "tout effacer"),
     F::Edit, 1, 9, 1},
    {Key::Digit4, "digit4Key", "4", "", "4", F::Digit, 2, 5, 1},
    {Key::Digit5, "digit5Key", "5", "", "5", F::Digit, 2, 6, 1},
    {Key::Digit6, "digit6Key", "6", "", "6", F::Digit, 2, 7, 1},
    {Key::Times, "timesKey", "×", QT_TRANSLATE_NOOP("velmira::expr::ui", "Multiplication"),
     QT_TRANSLATE_NOOP("velmira::expr::ui", "multiplié par"), F::Operator, 2, 8, 1},
    {Key::Divide, "divideKey", "÷", QT_TRANSLATE_NOOP("velmira::expr::ui", "Division"),
     QT_TRANSLATE_NOOP("velmira::expr::ui", "divisé par"), F::Operator, 2, 9, 1},
    {Key::Digit1, "digit1Key", "1", "", "1", F::Digit, 3, 5, 1},
    {Key::Digit2, "digit2Key", "2", "", "2", F::Digit, 3, 6, 1},
    {Key::Digit3, "digit3Key", "3", "", "3", F::Digit, 3, 7, 1},
    {Key::Plus, "plusKey", "+", QT_TRANSLATE_NOOP("velmira::expr::ui", "Addition"),
     QT_TRANSLATE_NOOP("velmira::expr::ui", "plus"), F::Operator, 3, 8, 1},
    {Key::Minus, "minusKey", "−", QT_TRANSLATE_NOOP("velmira::expr::ui", "Soustraction ou signe moins"),
     QT_TRANSLATE_NOOP("velmira::expr::ui", "moins"), F::Operator, 3, 9, 1},
    {Key::Digit0, "digit0Key", "0", "", "0", F::Digit, 4, 5, 1},
    {Key::Point, "pointKey", ".", QT_TRANSLATE_NOOP("velmira::expr::ui", "Point décimal"),
     QT_TRANSLATE_NOOP("velmira::expr::ui", "virgule"), F::Digit, 4, 6, 1},
    {Key::Exponent, "exponentKey", "E", QT_TRANSLATE_NOOP("velmira::expr::ui", "Exposant de 10 : 5E-3 = 5 × 10⁻³"),
     QT_TRANSLATE_NOOP("velmira::expr::ui", "exposant"), F::Digit, 4, 7, 1},
    {Key::Execute, "executeKey", "EXE", QT_TRANSLATE_NOOP("velmira::expr::ui", "Calculer"),
     QT_TRANSLATE_NOOP("velmira::expr::ui", "calculer"), F::Execute, 4, 8, 2},

    {Key::Column1, "column1Key", "C1",
     QT_TRANSLATE_NOOP("velmira::expr::ui", "Valeur de la colonne C1 sur chaque ligne"),
     QT_TRANSLATE_NOOP("velmira::expr::ui", "colonne C1"), F::Column, -1, 0, 1},
    {Key::Column2, "column2Key", "C2",
     QT_TRANSLATE_NOOP("velmira::expr::ui", "Valeur de la colonne C2 sur chaque ligne"),
     QT_TRANSLATE_NOOP("velmira::expr::ui", "colonne C2"), F::Column, -1, 1, 1},
    {Key::Column3, "column3Key", "C3",
     QT_TRANSLATE_NOOP("velmira::expr::ui", "Valeur de la colonne C3 sur chaque ligne"),
     QT_TRANSLATE_NOOP("velmira::expr::ui", "colonne C3"), F::Column, -1, 2, 1},
    {Key::Column4, "column4Key", "C4",
     QT_TRANSLATE_NOOP("velmira::expr::ui", "Valeur de la colonne C4 sur chaque ligne"),
     QT_TRANSLATE_NOOP("velmira::expr::ui", "colonne C4"), F::Column, -1, 3, 1},
    {Key::Column5, "column5Key", "C5",
     QT_TRANSLATE_NOOP("velmira::expr::ui", "Valeur de la colonne C5 sur chaque ligne"),
     QT_TRANSLATE_NOOP("velmira::expr::ui", "colonne C5"), F::Column, -1, 4, 1},
}};

}  // namespace

std::span<const KeyInfo> calculatorKeys() { return kKeys; }

}  // namespace velmira::expr::ui
