// SPDX-License-Identifier: GPL-3.0-or-later
#include "expr/ui/CalculatorKeys.h"

#include <array>

namespace velmira::expr::ui {

namespace {

using expr::Key;
using F = KeyFamily;

// Functions on the left (trigonometry, logarithms, powers, then the SI
// prefixes with pi and the inverse); digits, operators, memory and EXE on
// the right.
constexpr std::array<KeyInfo, expr::kKeyCount> kKeys = {{
    {Key::Sine, "sineKey", "sin", "Sinus", "sinus", F::Function, 0, 0, 1},
    {Key::Cosine, "cosineKey", "cos", "Cosinus", "cosinus", F::Function, 0, 1, 1},
    {Key::Tangent, "tangentKey", "tan", "Tangente", "tangente", F::Function, 0, 2, 1},
    {Key::OpenParenthesis, "openParenthesisKey", "(", "Parenthèse ouvrante", "parenthèse ouvrante", F::Function, 0, 3,
     1},
    {Key::CloseParenthesis, "closeParenthesisKey", ")", "Parenthèse fermante", "parenthèse fermante", F::Function, 0, 4,
     1},
    {Key::ArcSine, "arcSineKey", "INV S&IN", "Arc sinus", "arc sinus", F::Function, 1, 0, 1},
    {Key::ArcCosine, "arcCosineKey", "INV C&OS", "Arc cosinus", "arc cosinus", F::Function, 1, 1, 1},
    {Key::ArcTangent, "arcTangentKey", "INV T&AN", "Arc tangente", "arc tangente", F::Function, 1, 2, 1},
    {Key::Square, "squareKey", "x²", "Carré", "carré", F::Function, 1, 3, 1},
    {Key::Power, "powerKey", "xʸ", "Puissance", "puissance", F::Function, 1, 4, 1},
    {Key::NaturalLog, "naturalLogKey", "ln", "Logarithme népérien", "logarithme népérien", F::Function, 2, 0, 1},
    {Key::DecimalLog, "decimalLogKey", "log", "Logarithme décimal", "logarithme décimal", F::Function, 2, 1, 1},
    {Key::Exponential, "exponentialKey", "exp", "Exponentielle", "exponentielle", F::Function, 2, 2, 1},
    {Key::PowerOfTen, "powerOfTenKey", "10ˣ", "Puissance de 10", "puissance de 10", F::Function, 2, 3, 1},
    {Key::SquareRoot, "squareRootKey", "√", "Racine carrée", "racine carrée", F::Function, 2, 4, 1},
    {Key::Tera, "teraKey", "T", "Téra : × 10¹²", "téra", F::Prefix, 3, 0, 1},
    {Key::Giga, "gigaKey", "G", "Giga : × 10⁹", "giga", F::Prefix, 3, 1, 1},
    {Key::Mega, "megaKey", "M", "Méga : × 10⁶", "méga", F::Prefix, 3, 2, 1},
    {Key::Kilo, "kiloKey", "k", "Kilo : × 10³", "kilo", F::Prefix, 3, 3, 1},
    {Key::Pi, "piKey", "π", "Nombre pi", "pi", F::Function, 3, 4, 1},
    {Key::Milli, "milliKey", "m", "Milli : × 10⁻³", "milli", F::Prefix, 4, 0, 1},
    {Key::Micro, "microKey", "µ", "Micro : × 10⁻⁶", "micro", F::Prefix, 4, 1, 1},
    {Key::Nano, "nanoKey", "n", "Nano : × 10⁻⁹", "nano", F::Prefix, 4, 2, 1},
    {Key::Pico, "picoKey", "p", "Pico : × 10⁻¹²", "pico", F::Prefix, 4, 3, 1},
    {Key::Reciprocal, "reciprocalKey", "1/x", "Inverse", "inverse", F::Function, 4, 4, 1},

    {Key::MemoryClear, "memoryClearKey", "MC", "Effacer la mémoire", "effacer la mémoire", F::Memory, 0, 5, 1},
    {Key::MemoryRecall, "memoryRecallKey", "MR", "Rappel mémoire", "rappel mémoire", F::Memory, 0, 6, 1},
    {Key::MemoryAdd, "memoryAddKey", "M+", "Ajouter à la mémoire", "ajouter à la mémoire", F::Memory, 0, 7, 1},
    {Key::MemorySubtract, "memorySubtractKey", "M−", "Soustraire à la mémoire", "soustraire à la mémoire", F::Memory, 0,
     8, 1},
    {Key::Answer, "answerKey", "ANS", "Dernière réponse", "dernière réponse", F::Memory, 0, 9, 1},
    {Key::Digit7, "digit7Key", "7", "", "7", F::Digit, 1, 5, 1},
    {Key::Digit8, "digit8Key", "8", "", "8", F::Digit, 1, 6, 1},
    {Key::Digit9, "digit9Key", "9", "", "9", F::Digit, 1, 7, 1},
    {Key::Backspace, "backspaceKey", "⌫", "Effacer le dernier élément", "effacer le dernier élément", F::Edit, 1, 8, 1},
    {Key::ClearAll, "clearAllKey", "RAZ", "Tout effacer", "tout effacer", F::Edit, 1, 9, 1},
    {Key::Digit4, "digit4Key", "4", "", "4", F::Digit, 2, 5, 1},
    {Key::Digit5, "digit5Key", "5", "", "5", F::Digit, 2, 6, 1},
    {Key::Digit6, "digit6Key", "6", "", "6", F::Digit, 2, 7, 1},
    {Key::Times, "timesKey", "×", "Multiplication", "multiplié par", F::Operator, 2, 8, 1},
    {Key::Divide, "divideKey", "÷", "Division", "divisé par", F::Operator, 2, 9, 1},
    {Key::Digit1, "digit1Key", "1", "", "1", F::Digit, 3, 5, 1},
    {Key::Digit2, "digit2Key", "2", "", "2", F::Digit, 3, 6, 1},
    {Key::Digit3, "digit3Key", "3", "", "3", F::Digit, 3, 7, 1},
    {Key::Plus, "plusKey", "+", "Addition", "plus", F::Operator, 3, 8, 1},
    {Key::Minus, "minusKey", "−", "Soustraction ou signe moins", "moins", F::Operator, 3, 9, 1},
    {Key::Digit0, "digit0Key", "0", "", "0", F::Digit, 4, 5, 1},
    {Key::Point, "pointKey", ".", "Point décimal", "virgule", F::Digit, 4, 6, 1},
    {Key::Exponent, "exponentKey", "E", "Exposant de 10 : 5E-3 = 5 × 10⁻³", "exposant", F::Digit, 4, 7, 1},
    {Key::Execute, "executeKey", "EXE", "Calculer", "calculer", F::Execute, 4, 8, 2},

    {Key::Column1, "column1Key", "C1", "Valeur de la colonne C1 sur chaque ligne", "colonne C1", F::Column, -1, 0, 1},
    {Key::Column2, "column2Key", "C2", "Valeur de la colonne C2 sur chaque ligne", "colonne C2", F::Column, -1, 1, 1},
    {Key::Column3, "column3Key", "C3", "Valeur de la colonne C3 sur chaque ligne", "colonne C3", F::Column, -1, 2, 1},
    {Key::Column4, "column4Key", "C4", "Valeur de la colonne C4 sur chaque ligne", "colonne C4", F::Column, -1, 3, 1},
    {Key::Column5, "column5Key", "C5", "Valeur de la colonne C5 sur chaque ligne", "colonne C5", F::Column, -1, 4, 1},
}};

}  // namespace

std::span<const KeyInfo> calculatorKeys() { return kKeys; }

}  // namespace velmira::expr::ui
