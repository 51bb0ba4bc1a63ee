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
    {Key::Sine, "bsin", "sin", "Sinus", F::Function, 0, 0, 1},
    {Key::Cosine, "Bcos", "cos", "Cosinus", F::Function, 0, 1, 1},
    {Key::Tangent, "Btan", "tan", "Tangente", F::Function, 0, 2, 1},
    {Key::OpenParenthesis, "Bpo", "(", "Parenthèse ouvrante", F::Function, 0, 3, 1},
    {Key::CloseParenthesis, "bpf", ")", "Parenthèse fermante", F::Function, 0, 4, 1},
    {Key::ArcSine, "invsin", "INV S&IN", "Arc sinus", F::Function, 1, 0, 1},
    {Key::ArcCosine, "invcos", "INV C&OS", "Arc cosinus", F::Function, 1, 1, 1},
    {Key::ArcTangent, "Btoncommande3", "INV T&AN", "Arc tangente", F::Function, 1, 2, 1},
    {Key::Square, "btcarre", "x²", "Carré", F::Function, 1, 3, 1},
    {Key::Power, "puissance", "xʸ", "Puissance", F::Function, 1, 4, 1},
    {Key::NaturalLog, "Bln", "ln", "Logarithme népérien", F::Function, 2, 0, 1},
    {Key::DecimalLog, "Blog", "log", "Logarithme décimal", F::Function, 2, 1, 1},
    {Key::Exponential, "Bexp", "exp", "Exponentielle", F::Function, 2, 2, 1},
    {Key::PowerOfTen, "B10x", "10ˣ", "Puissance de 10", F::Function, 2, 3, 1},
    {Key::SquareRoot, "racine", "√", "Racine carrée", F::Function, 2, 4, 1},
    {Key::Tera, "tera", "T", "Téra : × 10¹²", F::Prefix, 3, 0, 1},
    {Key::Giga, "giga", "G", "Giga : × 10⁹", F::Prefix, 3, 1, 1},
    {Key::Mega, "mega", "M", "Méga : × 10⁶", F::Prefix, 3, 2, 1},
    {Key::Kilo, "kilo", "k", "Kilo : × 10³", F::Prefix, 3, 3, 1},
    {Key::Pi, "pi", "π", "Nombre pi", F::Function, 3, 4, 1},
    {Key::Milli, "mil", "m", "Milli : × 10⁻³", F::Prefix, 4, 0, 1},
    {Key::Micro, "micro", "µ", "Micro : × 10⁻⁶", F::Prefix, 4, 1, 1},
    {Key::Nano, "nano", "n", "Nano : × 10⁻⁹", F::Prefix, 4, 2, 1},
    {Key::Pico, "pico", "p", "Pico : × 10⁻¹²", F::Prefix, 4, 3, 1},
    {Key::Reciprocal, "Command5", "1/x", "Inverse", F::Function, 4, 4, 1},

    {Key::MemoryClear, "Command4", "MC", "Effacer la mémoire", F::Memory, 0, 5, 1},
    {Key::MemoryRecall, "Command3", "MR", "Rappel mémoire", F::Memory, 0, 6, 1},
    {Key::MemoryAdd, "Command1", "M+", "Ajouter à la méoire", F::Memory, 0, 7, 1},
    {Key::MemorySubtract, "Command2", "M−", "Soustraire à la mémoire", F::Memory, 0, 8, 1},
    {Key::Answer, "ANS", "ANS", "Dernière réponse", F::Memory, 0, 9, 1},
    {Key::Digit7, "B7", "7", "", F::Digit, 1, 5, 1},
    {Key::Digit8, "B8", "8", "", F::Digit, 1, 6, 1},
    {Key::Digit9, "B9", "9", "", F::Digit, 1, 7, 1},
    {Key::Backspace, "EFFACE", "⌫", "Effacer le dernier élément", F::Edit, 1, 8, 1},
    {Key::ClearAll, "RAZ", "RAZ", "Tout effacer", F::Edit, 1, 9, 1},
    {Key::Digit4, "B4", "4", "", F::Digit, 2, 5, 1},
    {Key::Digit5, "B5", "5", "", F::Digit, 2, 6, 1},
    {Key::Digit6, "B6", "6", "", F::Digit, 2, 7, 1},
    {Key::Times, "multip", "×", "Multiplication", F::Operator, 2, 8, 1},
    {Key::Divide, "div", "÷", "Division", F::Operator, 2, 9, 1},
    {Key::Digit1, "B1", "1", "", F::Digit, 3, 5, 1},
    {Key::Digit2, "B2", "2", "", F::Digit, 3, 6, 1},
    {Key::Digit3, "B3", "3", "", F::Digit, 3, 7, 1},
    {Key::Plus, "plus", "+", "Addition", F::Operator, 3, 8, 1},
    {Key::Minus, "moins", "−", "Soustraction ou signe moins", F::Operator, 3, 9, 1},
    {Key::Digit0, "B0", "0", "", F::Digit, 4, 5, 1},
    {Key::Point, "Bpoint", ".", "Point décimal", F::Digit, 4, 6, 1},
    {Key::Exponent, "BtoEXP", "E", "Exposant de 10 : 5E-3 = 5 × 10⁻³", F::Digit, 4, 7, 1},
    {Key::Execute, "EXE", "EXE", "Calculer", F::Execute, 4, 8, 2},

    {Key::Column1, "Command6(0)", "C1", "Valeur de la colonne C1 sur chaque ligne", F::Column, -1, 0, 1},
    {Key::Column2, "Command6(1)", "C2", "Valeur de la colonne C2 sur chaque ligne", F::Column, -1, 1, 1},
    {Key::Column3, "Command6(2)", "C3", "Valeur de la colonne C3 sur chaque ligne", F::Column, -1, 2, 1},
    {Key::Column4, "Command6(3)", "C4", "Valeur de la colonne C4 sur chaque ligne", F::Column, -1, 3, 1},
    {Key::Column5, "Command6(4)", "C5", "Valeur de la colonne C5 sur chaque ligne", F::Column, -1, 4, 1},
}};

}  // namespace

std::span<const KeyInfo> calculatorKeys() { return kKeys; }

}  // namespace velmira::expr::ui
