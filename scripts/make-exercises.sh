#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the activities shipped in data/ from the texts of data-src/:
#  - the configurations (.C07) with `velmira-outil config`;
#  - every number of the corrections from the simulator itself (`mesures`,
#    `config --tableau`, `graphe`, `calcul`), filled into the texts where
#    they read @NAME@;
#  - the RTF statements and corrections with `velmira-outil texte --rtf`;
#  - the exercise files (.E24) and getting-started files (.PEM) with
#    `velmira-outil exercice`.
# Run it again after any change of the model or of the texts; it rewrites
# the same files and stops at the first command that fails.
#
#   scripts/make-exercises.sh            (uses build/velmira-outil)
#   VELMIRA_OUTIL=/path/velmira-outil scripts/make-exercises.sh
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
outil=${VELMIRA_OUTIL:-$root/build/velmira-outil}
src=$root/data-src
app=$root/data
exos=$app/exercices
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
[[ -x $outil ]] || { echo "velmira-outil introuvable : $outil (construire la cible velmira-outil)" >&2; exit 1; }
mkdir -p "$exos"

vo() { "$outil" "$@"; }

# The text of a display of a configuration: show FILE 'afficheur(0)'.
show() {
  vo mesures "$1" | awk -F'\t' -v n="$2" '$1 == n { print $2; found = 1 } END { exit !found }'
}

# A cell of a configuration's table: cell FILE ROW COLUMN (row 0: titles, columns from 1).
cell() {
  vo config "$1" --tableau | awk -F'\t' -v r="$2" -v c="$3" 'NR == r + 1 { print $c; found = 1 } END { exit !found }'
}

# A coefficient of a line the graph window fits: fit FILE X Y origine|affine|1|2 a|b|r2 [A-B]
# (1 and 2: the two lines of "deux droites"; A-B: only the points of table lines A to B).
fit() {
  local line range=()
  [[ -z ${6:-} ]] || range=(--points "$6")
  line=$(vo graphe "$1" --abscisse "$2" --ordonnee "$3" --deux-droites "${range[@]}" | awk -F'\t' -v k="droite_$4" '$1 == k { print $2 }')
  case $5 in
    a) sed -n 's/.*; a = \([^;]*\) ;.*/\1/p' <<<"$line" ;;
    b) sed -n 's/.*; b = \([^;]*\) ;.*/\1/p' <<<"$line" ;;
    r2) sed -n 's/.*; r² = \(.*\)$/\1/p' <<<"$line" ;;
  esac
}

# A coordinate of the intersection of the two lines: crossing FILE X Y x|y [A-B].
crossing() {
  local line range=()
  [[ -z ${5:-} ]] || range=(--points "$5")
  line=$(vo graphe "$1" --abscisse "$2" --ordonnee "$3" --deux-droites "${range[@]}" | awk -F'\t' '$1 == "intersection" { print $2 }')
  case $4 in
    x) sed -n 's/^x = \([^;]*\) ;.*/\1/p' <<<"$line" ;;
    y) sed -n 's/.*; y = \(.*\)$/\1/p' <<<"$line" ;;
  esac
}

# A displayed number as the calculator reads it: blanks out, "." for ",".
num() {
  local v=${1// /}
  printf '%s' "${v//,/.}"
}

# calc MASK EXPRESSION: the value of the expression written with the mask.
calc() {
  local r
  r=$(vo calcul --masque "$1" -- "$2")
  [[ $r == $'0\t'* ]] || { echo "calcul impossible : $2" >&2; exit 1; }
  printf '%s' "${r#*$'\t'}"
}

# The values filled into the texts: put NAME VALUE.
declare -A value
put() {
  [[ -n $2 ]] || { echo "valeur vide pour $1" >&2; exit 1; }
  value[$1]=$2
}

# rtf SOURCE OUTPUT: the source with its @NAME@ filled, written as RTF.
rtf() {
  local text name
  text=$(<"$1")
  for name in "${!value[@]}"; do text=${text//@$name@/${value[$name]}}; done
  if grep -o '@[A-Z0-9_]*@' <<<"$text"; then
    echo "valeurs manquantes dans $1" >&2
    exit 1
  fi
  printf '%s\n' "$text" >"$tmp/text.txt"
  vo texte --rtf "$tmp/text.txt" -o "$2"
}

# exercise NAME TITLE DIFFICULTY NOTIONS...: the .E24 of data/exercices/NAME
# with its statement, correction and configurations, and the results of the
# array `results` (--resultat TEXTE ATTENDU ... --tolerance P), set by the
# activities that hand results in.
results=()
exercise() {
  local n=$1 title=$2 difficulty=$3
  shift 3
  local notions=()
  for piece in "$@"; do notions+=(--notions "$piece"); done
  vo exercice --enonce "$exos/$n.rtf" --config "$exos/$n.C07" \
    --corrige-enonce "$exos/$n-corrige.rtf" --corrige-config "$exos/$n-corrige.C07" \
    --titre "$title" --difficulte "$difficulty" "${notions[@]}" "${results[@]}" -o "$exos/$n.E24"
  results=()
}

# The tolerance of the results handed in, in percent.
tolerance=5

# Texts of both benches' conductimeters in conductivity (mS·m-1) or
# conductance (mS), and the conductimeter montage.
sigma=(--set montage=conductimetre --set conductimetre1=4 --set conductimetre2=4 --set conductimetre3=4)

# ---------------------------------------------------------------------------
# 1. Conductance and conductivity: G for six cells, k = L/S, sigma = G k.
conductance() {
  local n=1-conductance c=0,01 r
  local cells=("1 1" "2 1" "1 2" "0,5 2" "3 1,5" "2 4")
  value=()
  put C "$c"
  local pupil=(--set solute1=9 --set "c1=$c" --set montage=conductimetre --set conductimetre1=1
    --set masque= --set lignes=6
    --titre 1 "L (cm)" --titre 2 "S (cm²)" --titre 3 "G (mS)" --titre 4 "k (m-1)" --titre 5 "Sigma (mS/m)")
  local answers=()
  for r in 1 2 3 4 5 6; do
    read -r l s <<<"${cells[r - 1]}"
    pupil+=(--set "cellule($r,1)=$l" --set "cellule($r,2)=$s")
    vo config "${pupil[@]}" --set "L=$l" --set "S=$s" -o "$tmp/cell.C07"
    answers+=(--set "cellule($r,3)=$(show "$tmp/cell.C07" 'afficheur(0)')")
  done
  vo config "${pupil[@]}" -o "$exos/$n.C07"
  vo config "$exos/$n.C07" "${answers[@]}" --calcule 4 "100 * C1 / C2" --calcule 5 "C3 * C4" \
    -o "$exos/$n-corrige.C07"
  for r in 1 2 3 4 5 6; do
    put "L$r" "$(cell "$exos/$n-corrige.C07" $r 1)"
    put "S$r" "$(cell "$exos/$n-corrige.C07" $r 2)"
    put "G$r" "$(cell "$exos/$n-corrige.C07" $r 3)"
    put "K$r" "$(cell "$exos/$n-corrige.C07" $r 4)"
    put "P$r" "$(cell "$exos/$n-corrige.C07" $r 5)"
  done
  vo config "$exos/$n.C07" --set conductimetre1=4 -o "$tmp/sigma.C07"
  put SIGMA "$(show "$tmp/sigma.C07" 'afficheur(0)')"
  rtf "$src/exercices/$n.enonce.txt" "$exos/$n.rtf"
  rtf "$src/exercices/$n.corrige.txt" "$exos/$n-corrige.rtf"
  exercise $n "Conductance et conductivité" 1 "Conductance, " "constante de cellule, " "conductivité"
}

# ---------------------------------------------------------------------------
# 2. The G.B.F. montage: I against U, G = I/U, then the conductimeter.
gbf() {
  local n=2-montage-gbf c=0,005 l=1 s=1 r v
  value=()
  put C "$c"
  put L "$l"
  put S "$s"
  local pupil=(--set solute1=12 --set "c1=$c" --set "L=$l" --set "S=$s" --set montage=gbf --set amperemetre1=3 --set voltmetre1=1
    --set conductimetre1=1 --set masque=########0.000 --set lignes=8
    --set saisie1=4 --set saisie2=3 --set saisie3=1 --set saisie4=1 --set saisie5=1
    --titre 1 "U (V)" --titre 2 "I (mA)" --titre 3 "G (mS)")
  vo config "${pupil[@]}" -o "$exos/$n.C07"
  # Amplitude knob values for U = 0,1 V ... 1 V (U = 5/3 of the knob).
  local record=()
  for v in 0.06 0.12 0.18 0.24 0.3 0.36 0.48 0.6; do record+=(--set "amplitude1=$v" --mesure 1); done
  vo config "$exos/$n.C07" "${record[@]}" --calcule 3 "C2 / C1" -o "$exos/$n-corrige.C07"
  local corr=$exos/$n-corrige.C07
  for r in 1 2 3 4 5 6 7 8; do
    put "U$r" "$(cell "$corr" $r 1)"
    put "I$r" "$(cell "$corr" $r 2)"
    put "G$r" "$(cell "$corr" $r 3)"
  done
  put A "$(fit "$corr" 1 2 origine a)"
  put R2 "$(fit "$corr" 1 2 origine r2)"
  # The frequency knob at both ends.
  for v in 0 0.6; do
    vo config "$corr" --set "frequence1=$v" -o "$tmp/f.C07"
    local f i
    f=$(show "$tmp/f.C07" 'ecrangbf(0)')
    i=$(show "$tmp/f.C07" 'afficheur(3)')
    f=${f#ƒ =}
    f=${f#"${f%%[! ]*}"}
    if [[ $v == 0 ]]; then put F1 "$f"; put IF1 "$i"; else put F2 "$f"; put IF2 "$i"; fi
  done
  vo config "$corr" --set montage=conductimetre -o "$tmp/g.C07"
  put GC "$(show "$tmp/g.C07" 'afficheur(0)')"
  vo config "$corr" --set montage=conductimetre --set conductimetre1=4 -o "$tmp/s.C07"
  put SIGMA "$(show "$tmp/s.C07" 'afficheur(0)')"
  put LM "$(calc "" "$(num "$l") / 100")"
  put SM "$(calc "" "$(num "$s") / 10000")"
  put SIGMACALC "$(calc "0.0" "$(num "${value[GC]}") * $(num "$l") / 100 / ($(num "$s") / 10000)")"
  rtf "$src/exercices/$n.enonce.txt" "$exos/$n.rtf"
  rtf "$src/exercices/$n.corrige.txt" "$exos/$n-corrige.rtf"
  exercise $n "Le montage G.B.F. : conductance et loi d'Ohm" 1 "Tension et intensité, " "loi d'Ohm, " \
    "conductance G = I / U, " "conductimètre"
}

# ---------------------------------------------------------------------------
# 3. Kohlrausch's law for sodium chloride: sigma = k c, the fitted line, an
# unknown concentration.
kohlrausch() {
  local n=3-kohlrausch cx=0,0055 r
  local cs=(0,001 0,002 0,004 0,006 0,008 0,01)
  value=()
  # Solution 2 is the unknown, drawn for each pupil.
  local pupil=(--set solute1=17 --set c1=0,001 --set solute2=17 --set "c2=$cx" "${sigma[@]}" --set lignes=6
    --set saisie1=2 --set saisie2=5 --set saisie3=1 --set saisie4=1 --set saisie5=1
    --titre 1 "c (mol/L)" --titre 2 "Sigma (mS/m)" --titre 3 "Sigma / c" --set inconnue2=0,003..0,009)
  vo config "${pupil[@]}" -o "$exos/$n.C07"
  local record=()
  for r in 1 2 3 4 5 6; do
    put "C$r" "${cs[r - 1]}"
    record+=(--set "c1=${cs[r - 1]}" --mesure 1)
  done
  local corr=$exos/$n-corrige.C07
  vo config "$exos/$n.C07" --set inconnue2=non "${record[@]}" --calcule 3 "C2 / C1" -o "$corr"
  for r in 1 2 3 4 5 6; do
    vo config "$exos/$n.C07" --set "c1=${cs[r - 1]}" -o "$tmp/s.C07"
    put "S$r" "$(show "$tmp/s.C07" 'afficheur(0)')"
    put "Q$r" "$(cell "$corr" $r 3)"
  done
  put T1 "$(cell "$corr" 1 1)"
  put T2 "$(cell "$corr" 1 2)"
  put A "$(fit "$corr" 1 2 origine a)"
  put R2 "$(fit "$corr" 1 2 origine r2)"
  put LAMBDA "$(calc "0.0" "$(num "${value[A]}") / 1000")"
  vo config "$exos/$n.C07" --set "c1=$cx" -o "$tmp/x.C07"
  put SX "$(show "$tmp/x.C07" 'afficheur(0)')"
  put CX "$(calc "0.00000" "$(num "${value[SX]}") / $(num "${value[A]}")")"
  vo config "$exos/$n.C07" --set "c1=${value[CX]}" -o "$tmp/x.C07"
  put SCHECK "$(show "$tmp/x.C07" 'afficheur(0)')"
  put TOL "$tolerance"
  rtf "$src/exercices/$n.enonce.txt" "$exos/$n.rtf"
  rtf "$src/exercices/$n.corrige.txt" "$exos/$n-corrige.rtf"
  results=(--resultat "c2 (mol/L)" c2 --tolerance "$tolerance")
  exercise $n "Loi de Kohlrausch" 2 "Conductivité et concentration, " "loi de Kohlrausch, " \
    "conductivité molaire, " "dosage par étalonnage"
}

# ---------------------------------------------------------------------------
# 4. Dilution: mother solution on bench 1, daughters on bench 2, sigma x F.
dilution() {
  local n=4-dilution c0=0,01 fp=8 v=100,0 r
  local fs=(2 4 5 10 20)
  value=()
  put C0 "$c0"
  put C0DOT "$(num "$c0")"
  put V "$v"
  put FLIST "${fs[0]}, ${fs[1]}, ${fs[2]}, ${fs[3]} et ${fs[4]}"
  local pupil=(--set solute1=9 --set "c1=$c0" --set solute2=9 --set "c2=$c0" "${sigma[@]}" --set masque=
    --set lignes=6 --set saisie1=2 --set saisie2=5 --set saisie3=1 --set saisie4=1 --set saisie5=1
    --titre 1 "c (mol/L)" --titre 2 "Sigma (mS/m)" --titre 3 "F" --titre 4 "Sigma × F")
  vo config "${pupil[@]}" -o "$exos/$n.C07"
  local record=(--mesure 1)
  for r in "${fs[@]}"; do record+=(--set "c2=$(calc "" "$(num "$c0") / $r" | tr . ,)" --mesure 2); done
  local corr=$exos/$n-corrige.C07
  vo config "$exos/$n.C07" "${record[@]}" --calcule 3 "$(num "$c0") / C1" --calcule 4 "C2 * C3" -o "$corr"
  for r in 1 2 3 4 5 6; do
    put "C$r" "$(cell "$corr" $r 1)"
    put "S$r" "$(cell "$corr" $r 2)"
    put "F$r" "$(cell "$corr" $r 3)"
    put "P$r" "$(cell "$corr" $r 4)"
  done
  vo config "$exos/$n.C07" --set "c2=$(calc "" "$(num "$c0") / $fp" | tr . ,)" -o "$tmp/p.C07"
  put SP "$(show "$tmp/p.C07" 'afficheur(1)')"
  put PM "$(calc "0.0" "($(num "${value[P4]}") + $(num "${value[P5]}")) / 2")"
  put FPCALC "$(calc "0.00" "$(num "${value[PM]}") / $(num "${value[SP]}")")"
  put FP "$(calc "0" "$(num "${value[FPCALC]}")")"
  put CP "$(calc "0.00000" "$(num "$c0") / ${value[FP]}")"
  vo config "$exos/$n.C07" --set "c2=${value[CP]}" -o "$tmp/p.C07"
  put SCHECK "$(show "$tmp/p.C07" 'afficheur(1)')"
  put V0 "$(calc "0.0" "$(num "$v") / ${value[FP]}")"
  rtf "$src/exercices/$n.enonce.txt" "$exos/$n.rtf"
  rtf "$src/exercices/$n.corrige.txt" "$exos/$n-corrige.rtf"
  exercise $n "Dilution d'une solution" 2 "Dilution, " "facteur de dilution, " "conductivité et concentration, " \
    "préparation d'une solution"
}

# ---------------------------------------------------------------------------
# 5. Eight solutions at the same concentration: molar conductivities and the
# ions H3O+ and HO-.
ions() {
  local n=5-ions c=0,001 r
  # HCl, NaCl, KCl, NaOH, KOH, HNO3, NaNO3, KNO3 in the catalogue.
  local solutes=(5 17 9 18 10 7 20 12)
  value=()
  put C "$c"
  put LNA "5,01"
  put LCL "7,63"
  local pupil=(--set solute1=5 --set "c1=$c" --set solute2=17 --set "c2=$c" "${sigma[@]}" --set masque=
    --set lignes=8 --set saisie1=2 --set saisie2=5 --set saisie3=1 --set saisie4=1 --set saisie5=1
    --titre 1 "c (mol/L)" --titre 2 "Sigma (mS/m)" --titre 3 "Lambda (mS·m²/mol)")
  vo config "${pupil[@]}" -o "$exos/$n.C07"
  local record=()
  for r in "${solutes[@]}"; do record+=(--set "solute1=$r" --mesure 1); done
  local corr=$exos/$n-corrige.C07
  vo config "$exos/$n.C07" "${record[@]}" --set solute1=5 --calcule 3 "C2 / (1000 * C1)" -o "$corr"
  for r in 1 2 3 4 5 6 7 8; do
    put "S$r" "$(cell "$corr" $r 2)"
    put "L$r" "$(cell "$corr" $r 3)"
  done
  put CM "$(calc "" "1000 * $(num "$c")")"
  local L=()
  for r in 1 2 3 4 5 6 7 8; do L[r]=$(num "${value[L$r]}"); done
  put D1 "$(calc "0.0" "${L[1]} - ${L[2]}")"
  put D2 "$(calc "0.0" "${L[6]} - ${L[7]}")"
  put D3 "$(calc "0.0" "${L[4]} - ${L[2]}")"
  put D4 "$(calc "0.0" "${L[5]} - ${L[3]}")"
  put D5 "$(calc "0.0" "${L[3]} - ${L[2]}")"
  put LH "$(calc "0.0" "${L[1]} - $(num "${value[LCL]}")")"
  put LOH "$(calc "0.0" "${L[4]} - $(num "${value[LNA]}")")"
  put LK "$(calc "0.0" "${L[3]} - $(num "${value[LCL]}")")"
  rtf "$src/exercices/$n.enonce.txt" "$exos/$n.rtf"
  rtf "$src/exercices/$n.corrige.txt" "$exos/$n-corrige.rtf"
  exercise $n "Comparer la conduction des ions" 2 "Conductivité molaire, " "conductivité molaire ionique, " \
    "ions oxonium et hydroxyde"
}

# ---------------------------------------------------------------------------
# 6. Titration of hydrochloric acid by sodium hydroxide on the mixture bench:
# V2 and sigma recorded mL by mL, the dilution-corrected sigma, the two
# fitted lines and their intersection, the equivalence volume.
dosage() {
  local n=6-dosage c1=0,005 v1=200 c2=0,1 vmax=20 r v
  value=()
  put C1 "$c1"
  put C2 "$c2"
  put V1 "$v1"
  put VMAX "$vmax"
  put LH "35,0"
  put LNA "5,01"
  put LOH "19,8"
  put LCL "7,63"
  put FORMULE "C2 * (C3 + C1) / C3"
  local pupil=(--set solute1=5 --set "c1=$c1" --set solute2=18 --set "c2=$c2" --set "V1=$v1" --set V2=0
    "${sigma[@]}" --set masque=########0.00 --set lignes=$((vmax + 1))
    --set saisie1=7 --set saisie2=5 --set saisie3=6 --set saisie4=1 --set saisie5=1
    --titre 1 "V2 (mL)" --titre 2 "Sigma (mS/m)" --titre 3 "V1 (mL)" --titre 4 "Sigma corrigée"
    --set inconnue1=0,004..0,006)
  vo config "${pupil[@]}" -o "$exos/$n.C07"
  # Recorded on the mixture bench as the pupil does, 1 mL at a time.
  local record=()
  for ((v = 0; v <= vmax; v++)); do record+=(--set "V2=$v" --mesure 3); done
  local corr=$exos/$n-corrige.C07
  vo config "$exos/$n.C07" --set inconnue1=non "${record[@]}" --calcule 4 "${value[FORMULE]}" -o "$corr"
  local list=() smin=
  for ((r = 1; r <= vmax + 1; r++)); do
    local p s q
    p=$(cell "$corr" $r 1)
    s=$(cell "$corr" $r 2)
    q=$(cell "$corr" $r 4)
    list+=("- V_{2} = $p mL : σ = $s mS·m^{-1} ; σ' = $q mS·m^{-1}")
    if [[ -z $smin ]] || awk -v a="$(num "$s")" -v b="$(num "$smin")" 'BEGIN { exit !(a < b) }'; then
      smin=$s
      put VMIN "$p"
    fi
  done
  put SMIN "$smin"
  put MESURES "$(printf '%s\n' "${list[@]}")"
  put A1 "$(fit "$corr" 1 4 1 a)"
  put B1 "$(fit "$corr" 1 4 1 b)"
  put R1 "$(fit "$corr" 1 4 1 r2)"
  put A2 "$(fit "$corr" 1 4 2 a)"
  put B2 "$(fit "$corr" 1 4 2 b)"
  put R2 "$(fit "$corr" 1 4 2 r2)"
  put VE "$(crossing "$corr" 1 4 x)"
  put SE "$(crossing "$corr" 1 4 y)"
  put VEBRUT "$(crossing "$corr" 1 2 x)"
  put VECALC "$(calc "0.00" "($(num "${value[B2]}") - ($(num "${value[B1]}"))) / ($(num "${value[A1]}") - ($(num "${value[A2]}")))")"
  put VTHEO "$(calc "0.00" "$(num "$c1") * $(num "$v1") / $(num "$c2")")"
  # The equivalence read on the two lines is within 1 % of c1 V1 / c2.
  awk -v ve="$(num "${value[VE]}")" -v th="$(num "${value[VTHEO]}")" 'BEGIN { exit !(ve >= 0.99 * th && ve <= 1.01 * th) }' ||
    { echo "volume équivalent ${value[VE]} mL à plus de 1 % de ${value[VTHEO]} mL" >&2; exit 1; }
  put C1CALC "$(calc "0.00000" "$(num "$c2") * $(num "${value[VE]}") / $(num "$v1")")"
  put ECART "$(calc "0.0" "100 * sqr(($(num "${value[C1CALC]}") - $(num "$c1"))^2) / $(num "$c1")")"
  put TOL "$tolerance"
  rtf "$src/exercices/$n.enonce.txt" "$exos/$n.rtf"
  rtf "$src/exercices/$n.corrige.txt" "$exos/$n-corrige.rtf"
  results=(--resultat "c1 (mol/L)" c1 --tolerance "$tolerance")
  exercise $n "Dosage conductimétrique de l'acide chlorhydrique" 3 "Réaction acide-base, " \
    "dosage conductimétrique, " "correction de dilution, " "volume équivalent"
}

# ---------------------------------------------------------------------------
# 10. Calibration of a physiological serum (NaCl, 0,154 mol/L) diluted 20
# times: standards on bench 1, the fitted line through the origin, the
# hidden dilution on bench 2, its concentration and the serum's.
serum() {
  local n=10-serum cs=(0,002 0,004 0,006 0,008 0,01) serum=0,154 dilution=20 r cx
  value=()
  cx=$(calc "0.00000" "$(num "$serum") / $dilution")
  put SERUM "$serum"
  put F "$dilution"
  local pupil=(--set solute1=17 --set c1=0,001 --set solute2=17 --set "c2=$cx" "${sigma[@]}" --set lignes=5
    --set saisie1=2 --set saisie2=5 --set saisie3=1 --set saisie4=1 --set saisie5=1
    --titre 1 "c (mol/L)" --titre 2 "Sigma (mS/m)" --set inconnue2=oui)
  vo config "${pupil[@]}" -o "$exos/$n.C07"
  local record=()
  for r in 1 2 3 4 5; do
    put "C$r" "${cs[r - 1]}"
    record+=(--set "c1=${cs[r - 1]}" --mesure 1)
  done
  local corr=$exos/$n-corrige.C07
  vo config "$exos/$n.C07" --set inconnue2=non "${record[@]}" -o "$corr"
  for r in 1 2 3 4 5; do
    vo config "$exos/$n.C07" --set "c1=${cs[r - 1]}" -o "$tmp/s.C07"
    put "S$r" "$(show "$tmp/s.C07" 'afficheur(0)')"
  done
  put A "$(fit "$corr" 1 2 origine a)"
  put R2 "$(fit "$corr" 1 2 origine r2)"
  vo config "$exos/$n.C07" --set "c1=$cx" -o "$tmp/x.C07"
  put SX "$(show "$tmp/x.C07" 'afficheur(0)')"
  put CX "$(calc "0.00000" "$(num "${value[SX]}") / $(num "${value[A]}")")"
  put CS "$(calc "0.000" "$dilution * $(num "${value[CX]}")")"
  put ECART "$(calc "0.0" "100 * sqr(($(num "${value[CS]}") - $(num "$serum"))^2) / $(num "$serum")")"
  put TOL "$tolerance"
  rtf "$src/exercices/$n.enonce.txt" "$exos/$n.rtf"
  rtf "$src/exercices/$n.corrige.txt" "$exos/$n-corrige.rtf"
  results=(--resultat "c2 (mol/L)" c2 --resultat "c du sérum (mol/L)" "$serum" --tolerance "$tolerance")
  exercise $n "Dosage par étalonnage d'un sérum physiologique" 2 "Dosage par étalonnage, " \
    "loi de Kohlrausch, " "facteur de dilution"
}

# ---------------------------------------------------------------------------
# The titrations 7 to 9, built on the mixture bench like 6: solution 1
# (SOLUTE1, c1) in the beaker, V1 = 100 mL, solution 2 (SOLUTE2, c2 = 0,1)
# poured 1 mL at a time up to 20 mL, the dilution-corrected sigma, the two
# lines fitted on the points from V2 = 2 mL (table lines 3 to 21: the first
# points are not aligned with the others) and the equivalence volume.
#   titration NAME SOLUTE1 C1 SOLUTE2 C2
# fills the values every one of the three texts uses.
titration() {
  local n=$1 solute1=$2 c1=$3 solute2=$4 c2=$5 v1=100 vmax=20 first=3 r v
  local lines=$first-$((vmax + 1))
  put C1 "$c1"
  put C2 "$c2"
  put V1 "$v1"
  put VMAX "$vmax"
  put VFIRST "$((first - 1))"
  put FORMULE "C2 * (C3 + C1) / C3"
  local pupil=(--set "solute1=$solute1" --set "c1=$c1" --set "solute2=$solute2" --set "c2=$c2" --set "V1=$v1"
    --set V2=0 "${sigma[@]}" --set masque=########0.00 --set lignes=$((vmax + 1))
    --set saisie1=7 --set saisie2=5 --set saisie3=6 --set saisie4=1 --set saisie5=1
    --titre 1 "V2 (mL)" --titre 2 "Sigma (mS/m)" --titre 3 "V1 (mL)" --titre 4 "Sigma corrigée")
  vo config "${pupil[@]}" -o "$exos/$n.C07"
  local record=()
  for ((v = 0; v <= vmax; v++)); do record+=(--set "V2=$v" --mesure 3); done
  local corr=$exos/$n-corrige.C07
  vo config "$exos/$n.C07" "${record[@]}" --calcule 4 "${value[FORMULE]}" -o "$corr"
  local list=()
  for ((r = 1; r <= vmax + 1; r++)); do
    local p s q
    p=$(cell "$corr" $r 1)
    s=$(cell "$corr" $r 2)
    q=$(cell "$corr" $r 4)
    list+=("- V_{2} = $p mL : σ = $s mS·m^{-1} ; σ' = $q mS·m^{-1}")
    [[ $r != 1 ]] || put S0 "$s"
    [[ $r != $((vmax + 1)) ]] || put SMAX "$s"
  done
  put MESURES "$(printf '%s\n' "${list[@]}")"
  put S1 "$(cell "$corr" 2 2)"
  put A1 "$(fit "$corr" 1 4 1 a "$lines")"
  put B1 "$(fit "$corr" 1 4 1 b "$lines")"
  put R1 "$(fit "$corr" 1 4 1 r2 "$lines")"
  put A2 "$(fit "$corr" 1 4 2 a "$lines")"
  put B2 "$(fit "$corr" 1 4 2 b "$lines")"
  put R2 "$(fit "$corr" 1 4 2 r2 "$lines")"
  put VE "$(crossing "$corr" 1 4 x "$lines")"
  put SE "$(crossing "$corr" 1 4 y "$lines")"
  put VEALL "$(crossing "$corr" 1 4 x)"
  put VECALC "$(calc "0.00" "($(num "${value[B2]}") - ($(num "${value[B1]}"))) / ($(num "${value[A1]}") - ($(num "${value[A2]}")))")"
  put VTHEO "$(calc "0.00" "$(num "$c1") * $(num "$v1") / $(num "$c2")")"
  awk -v ve="$(num "${value[VE]}")" -v th="$(num "${value[VTHEO]}")" 'BEGIN { exit !(ve >= 0.99 * th && ve <= 1.01 * th) }' ||
    { echo "$n : volume équivalent ${value[VE]} mL à plus de 1 % de ${value[VTHEO]} mL" >&2; exit 1; }
  put C1CALC "$(calc "0.00000" "$(num "$c2") * $(num "${value[VE]}") / $(num "$v1")")"
  put ECART "$(calc "0.0" "100 * sqr(($(num "${value[C1CALC]}") - $(num "$c1"))^2) / $(num "$c1")")"
  # One millilitre of solution 2 brings c2 x 1 mL / V1 of each of its ions.
  put CAPPORT "$(calc "0.0" "1000 * $(num "$c2") / $(num "$v1")")"
}

# The slope one millilitre gives when ions of total molar conductivity
# LAMBDA (mS·m²/mol) are added: slope LAMBDA.
slope() {
  calc "0.0" "$(num "$1") * $(num "${value[CAPPORT]}")"
}

# Limiting molar conductivities of the ions the titrations name (mS·m²·mol⁻¹,
# the simulator's own: velmira-outil ions), given to the pupils as L<ION> and
# summed for the expected slopes.
declare -A ionOf=([H]="H3O+" [OH]="HO-" [NA]="Na+" [CL]="Cl-" [NH4]="NH4+" [AG]="Ag+" [NO3]="NO3-" [AC]="CH3COO-")
declare -A lambda=()
while IFS=$'\t' read -r ion l; do
  for k in "${!ionOf[@]}"; do if [[ ${ionOf[$k]} == "$ion" ]]; then lambda[$k]=$l; fi; done
done < <(vo ions)
for k in "${!ionOf[@]}"; do
  [[ -n ${lambda[$k]:-} ]] || { echo "conductivité de ${ionOf[$k]} absente de velmira-outil ions" >&2; exit 1; }
done
lambdas() { local i; for i in "$@"; do put "L$i" "${lambda[$i]}"; done; }

# A titration's statement, correction and exercise file: N TITLE FIRST-KEYWORD.
shipTitration() {
  rtf "$src/exercices/$1.enonce.txt" "$exos/$1.rtf"
  rtf "$src/exercices/$1.corrige.txt" "$exos/$1-corrige.rtf"
  exercise "$1" "$2" 3 "$3" "dosage conductimétrique, " "conductivités ioniques, " "volume équivalent"
}

# 7. Acetic acid (vinegar) by sodium hydroxide.
vinegar() {
  local n=7-vinaigre
  value=()
  titration $n 22 0,01 18 0,1
  lambdas H NA OH AC
  put P1 "$(slope "$(calc "" "$(num "${lambda[NA]}") + $(num "${lambda[AC]}")")")"
  put P2 "$(slope "$(calc "" "$(num "${lambda[NA]}") + $(num "${lambda[OH]}")")")"
  shipTitration $n "Dosage conductimétrique de l'acide éthanoïque (vinaigre)" "Acide faible, "
}

# 8. Ammonia by hydrochloric acid.
ammonia() {
  local n=8-ammoniac
  value=()
  titration $n 24 0,01 5 0,1
  lambdas H CL NH4 OH
  put P1 "$(slope "$(calc "" "$(num "${lambda[NH4]}") + $(num "${lambda[CL]}")")")"
  put P2 "$(slope "$(calc "" "$(num "${lambda[H]}") + $(num "${lambda[CL]}")")")"
  shipTitration $n "Dosage conductimétrique de l'ammoniac" "Base faible, "
}

# 9. Chloride ions (sodium chloride) by silver nitrate.
chlorides() {
  local n=9-chlorures
  value=()
  titration $n 17 0,01 26 0,1
  lambdas NA CL AG NO3
  put P1 "$(slope "$(calc "" "$(num "${lambda[NO3]}") - $(num "${lambda[CL]}")")")"
  put P2 "$(slope "$(calc "" "$(num "${lambda[AG]}") + $(num "${lambda[NO3]}")")")"
  shipTitration $n "Dosage conductimétrique des ions chlorure" "Précipitation, "
}

# ---------------------------------------------------------------------------
# Getting started with the simulator: each step's readings, from the
# configuration as the pupil leaves it after that step.
priseenmain_simulateur() {
  local c1=0,005 l=2 s=2
  value=()
  put C1 "$c1"
  put L "$l"
  put S "$s"
  local start=$app/VELMIRA.C07 step=$tmp/step.C07
  vo config --set montage=conductimetre -o "$start"
  vo config "$start" --set solute1=17 --set "c1=$c1" -o "$step"
  put S1 "$(show "$step" 'afficheur(0)')"
  vo config "$step" --set conductimetre1=1 -o "$step"
  put G1 "$(show "$step" 'afficheur(0)')"
  vo config "$step" --set "L=$l" -o "$step"
  put G2 "$(show "$step" 'afficheur(0)')"
  vo config "$step" --set "S=$s" -o "$step"
  put G3 "$(show "$step" 'afficheur(0)')"
  vo config "$step" --set conductimetre1=4 -o "$step"
  put S3 "$(show "$step" 'afficheur(0)')"
  vo config "$step" --set montage=gbf -o "$step"
  put U "$(show "$step" 'afficheur(4)')"
  put I200 "$(show "$step" 'afficheur(3)')"
  vo config "$step" --set amperemetre1=3 -o "$step"
  put I2 "$(show "$step" 'afficheur(3)')"
  vo config "$step" --set solute2=9 --set montage=conductimetre -o "$step"
  put C2 "$(vo config "$step" | awk -F'\t' '$1 == 17 { print $2 }')"
  put V1 "$(vo config "$step" | awk -F'\t' '$1 == 20 { print $2 }')"
  put V2 "$(vo config "$step" | awk -F'\t' '$1 == 21 { print $2 }')"
  put S2 "$(show "$step" 'afficheur(1)')"
  put SM "$(show "$step" 'afficheur(2)')"
  rtf "$src/VELMIRA.txt" "$app/VELMIRA.rtf"
  vo exercice --enonce "$app/VELMIRA.rtf" --config "$start" -o "$app/VELMIRA.PEM"
}

# Getting started with the table: record, compute a column, plot, fit a line.
priseenmain_tableau() {
  local r
  local cs=(0,002 0,004 0,006 0,008 0,01)
  value=()
  local start=$app/VELMIRB.C07 step=$tmp/step.C07
  vo config --set solute1=17 --set "c1=${cs[0]}" "${sigma[@]}" --set lignes=${#cs[@]} \
    --set saisie1=2 --set saisie2=5 --set saisie3=1 --set saisie4=1 --set saisie5=1 -o "$start"
  put N "${#cs[@]}"
  local record=()
  for r in 1 2 3 4 5; do
    put "C$r" "${cs[r - 1]}"
    record+=(--set "c1=${cs[r - 1]}" --mesure 1)
  done
  vo config "$start" "${record[@]}" --titre 1 "c (mol/L)" --titre 2 "Sigma (mS/m)" --calcule 3 "C2 / C1" -o "$step"
  put T1 "$(cell "$step" 1 1)"
  put T2 "$(cell "$step" 1 2)"
  put Q1 "$(cell "$step" 1 3)"
  put A "$(fit "$step" 1 2 origine a)"
  put R2 "$(fit "$step" 1 2 origine r2)"
  rtf "$src/VELMIRB.txt" "$app/VELMIRB.rtf"
  vo exercice --enonce "$app/VELMIRB.rtf" --config "$start" -o "$app/VELMIRB.PEM"
}

conductance
gbf
kohlrausch
dilution
ions
dosage
serum
vinegar
ammonia
chlorides
priseenmain_simulateur
priseenmain_tableau
