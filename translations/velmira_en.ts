<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>velmira::expr::ui</name>
    <message>
        <source>Sinus</source>
        <translation>Sine</translation>
    </message>
    <message>
        <source>sinus</source>
        <translation>sine</translation>
    </message>
    <message>
        <source>Cosinus</source>
        <translation>Cosine</translation>
    </message>
    <message>
        <source>cosinus</source>
        <translation>cosine</translation>
    </message>
    <message>
        <source>Tangente</source>
        <translation>Tangent</translation>
    </message>
    <message>
        <source>tangente</source>
        <translation>tangent</translation>
    </message>
    <message>
        <source>Parenthèse ouvrante</source>
        <translation>Opening bracket</translation>
    </message>
    <message>
        <source>parenthèse ouvrante</source>
        <translation>opening bracket</translation>
    </message>
    <message>
        <source>Parenthèse fermante</source>
        <translation>Closing bracket</translation>
    </message>
    <message>
        <source>parenthèse fermante</source>
        <translation>closing bracket</translation>
    </message>
    <message>
        <source>Arc sinus</source>
        <translation>Inverse sine</translation>
    </message>
    <message>
        <source>arc sinus</source>
        <translation>inverse sine</translation>
    </message>
    <message>
        <source>Arc cosinus</source>
        <translation>Inverse cosine</translation>
    </message>
    <message>
        <source>arc cosinus</source>
        <translation>inverse cosine</translation>
    </message>
    <message>
        <source>Arc tangente</source>
        <translation>Inverse tangent</translation>
    </message>
    <message>
        <source>arc tangente</source>
        <translation>inverse tangent</translation>
    </message>
    <message>
        <source>Carré</source>
        <translation>Square</translation>
    </message>
    <message>
        <source>carré</source>
        <translation>square</translation>
    </message>
    <message>
        <source>Puissance</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>puissance</source>
        <translation>power</translation>
    </message>
    <message>
        <source>Logarithme népérien</source>
        <translation>Natural logarithm</translation>
    </message>
    <message>
        <source>logarithme népérien</source>
        <translation>natural logarithm</translation>
    </message>
    <message>
        <source>Logarithme décimal</source>
        <translation>Common logarithm</translation>
    </message>
    <message>
        <source>logarithme décimal</source>
        <translation>common logarithm</translation>
    </message>
    <message>
        <source>Exponentielle</source>
        <translation>Exponential</translation>
    </message>
    <message>
        <source>exponentielle</source>
        <translation>exponential</translation>
    </message>
    <message>
        <source>Puissance de 10</source>
        <translation>Power of 10</translation>
    </message>
    <message>
        <source>puissance de 10</source>
        <translation>power of 10</translation>
    </message>
    <message>
        <source>Racine carrée</source>
        <translation>Square root</translation>
    </message>
    <message>
        <source>racine carrée</source>
        <translation>square root</translation>
    </message>
    <message>
        <source>Téra : × 10¹²</source>
        <translation>Tera: × 10¹²</translation>
    </message>
    <message>
        <source>téra</source>
        <translation>tera</translation>
    </message>
    <message>
        <source>Giga : × 10⁹</source>
        <translation>Giga: × 10⁹</translation>
    </message>
    <message>
        <source>giga</source>
        <translation>giga</translation>
    </message>
    <message>
        <source>Méga : × 10⁶</source>
        <translation>Mega: × 10⁶</translation>
    </message>
    <message>
        <source>méga</source>
        <translation>mega</translation>
    </message>
    <message>
        <source>Kilo : × 10³</source>
        <translation>Kilo: × 10³</translation>
    </message>
    <message>
        <source>kilo</source>
        <translation>kilo</translation>
    </message>
    <message>
        <source>Nombre pi</source>
        <translation>The number pi</translation>
    </message>
    <message>
        <source>pi</source>
        <translation>pi</translation>
    </message>
    <message>
        <source>Milli : × 10⁻³</source>
        <translation>Milli: × 10⁻³</translation>
    </message>
    <message>
        <source>milli</source>
        <translation>milli</translation>
    </message>
    <message>
        <source>Micro : × 10⁻⁶</source>
        <translation>Micro: × 10⁻⁶</translation>
    </message>
    <message>
        <source>micro</source>
        <translation>micro</translation>
    </message>
    <message>
        <source>Nano : × 10⁻⁹</source>
        <translation>Nano: × 10⁻⁹</translation>
    </message>
    <message>
        <source>nano</source>
        <translation>nano</translation>
    </message>
    <message>
        <source>Pico : × 10⁻¹²</source>
        <translation>Pico: × 10⁻¹²</translation>
    </message>
    <message>
        <source>pico</source>
        <translation>pico</translation>
    </message>
    <message>
        <source>Inverse</source>
        <translation>Reciprocal</translation>
    </message>
    <message>
        <source>inverse</source>
        <translation>reciprocal</translation>
    </message>
    <message>
        <source>Effacer la mémoire</source>
        <translation>Clear the memory</translation>
    </message>
    <message>
        <source>effacer la mémoire</source>
        <translation>clear the memory</translation>
    </message>
    <message>
        <source>Rappel mémoire</source>
        <translation>Memory recall</translation>
    </message>
    <message>
        <source>rappel mémoire</source>
        <translation>memory recall</translation>
    </message>
    <message>
        <source>Ajouter à la mémoire</source>
        <translation>Add to the memory</translation>
    </message>
    <message>
        <source>ajouter à la mémoire</source>
        <translation>add to the memory</translation>
    </message>
    <message>
        <source>Soustraire à la mémoire</source>
        <translation>Subtract from the memory</translation>
    </message>
    <message>
        <source>soustraire à la mémoire</source>
        <translation>subtract from the memory</translation>
    </message>
    <message>
        <source>Dernière réponse</source>
        <translation>Last answer</translation>
    </message>
    <message>
        <source>dernière réponse</source>
        <translation>last answer</translation>
    </message>
    <message>
        <source>Effacer le dernier élément</source>
        <translation>Delete the last item</translation>
    </message>
    <message>
        <source>effacer le dernier élément</source>
        <translation>delete the last item</translation>
    </message>
    <message>
        <source>RAZ</source>
        <translation>AC</translation>
    </message>
    <message>
        <source>Tout effacer</source>
        <translation>Clear all</translation>
    </message>
    <message>
        <source>tout effacer</source>
        <translation>clear all</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplication</translation>
    </message>
    <message>
        <source>multiplié par</source>
        <translation>times</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>divisé par</source>
        <translation>divided by</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>Soustraction ou signe moins</source>
        <translation>Subtraction or minus sign</translation>
    </message>
    <message>
        <source>moins</source>
        <translation>minus</translation>
    </message>
    <message>
        <source>Point décimal</source>
        <translation>Decimal point</translation>
    </message>
    <message>
        <source>virgule</source>
        <translation>decimal point</translation>
    </message>
    <message>
        <source>Exposant de 10 : 5E-3 = 5 × 10⁻³</source>
        <translation>Power of ten: 5E-3 = 5 × 10⁻³</translation>
    </message>
    <message>
        <source>exposant</source>
        <translation>exponent</translation>
    </message>
    <message>
        <source>Calculer</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>calculer</source>
        <translation>calculate</translation>
    </message>
    <message>
        <source>Valeur de la colonne C1 sur chaque ligne</source>
        <translation>Value of column C1 on each row</translation>
    </message>
    <message>
        <source>colonne C1</source>
        <translation>column C1</translation>
    </message>
    <message>
        <source>Valeur de la colonne C2 sur chaque ligne</source>
        <translation>Value of column C2 on each row</translation>
    </message>
    <message>
        <source>colonne C2</source>
        <translation>column C2</translation>
    </message>
    <message>
        <source>Valeur de la colonne C3 sur chaque ligne</source>
        <translation>Value of column C3 on each row</translation>
    </message>
    <message>
        <source>colonne C3</source>
        <translation>column C3</translation>
    </message>
    <message>
        <source>Valeur de la colonne C4 sur chaque ligne</source>
        <translation>Value of column C4 on each row</translation>
    </message>
    <message>
        <source>colonne C4</source>
        <translation>column C4</translation>
    </message>
    <message>
        <source>Valeur de la colonne C5 sur chaque ligne</source>
        <translation>Value of column C5 on each row</translation>
    </message>
    <message>
        <source>colonne C5</source>
        <translation>column C5</translation>
    </message>
    <message>
        <source>Machine à calculer</source>
        <translation>Calculator</translation>
    </message>
    <message>
        <source>Écran de la calculatrice</source>
        <translation>Calculator display</translation>
    </message>
    <message>
        <source>Angles</source>
        <translation>Angles</translation>
    </message>
    <message>
        <source>Degrés</source>
        <translation>Degrees</translation>
    </message>
    <message>
        <source>Radians</source>
        <translation>Radians</translation>
    </message>
    <message>
        <source>Affichage</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>Scientifique</source>
        <translation>Scientific</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Patience&#xa0;: calculs en cours...</source>
        <translation>Please wait: calculating...</translation>
    </message>
</context>
<context>
    <name>velmira::files::ui</name>
    <message>
        <source>Correction</source>
        <translation>Correction</translation>
    </message>
    <message>
        <source>&amp;Charger la configuration corrigée</source>
        <translation>&amp;Load the corrected configuration</translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Texte au format RTF (*.RTF *.rtf)</source>
        <translation>RTF text (*.RTF *.rtf)</translation>
    </message>
    <message>
        <source>Prise en &amp;main du simulateur</source>
        <translation>&amp;Getting started with the simulator</translation>
    </message>
    <message>
        <source>Prise en main du &amp;tableau</source>
        <translation>Getting started with the &amp;table</translation>
    </message>
    <message>
        <source>&amp;Ouvrir un exercice (énoncé + configuration)</source>
        <translation>&amp;Open an exercise (statement + configuration)</translation>
    </message>
    <message>
        <source>&amp;Voir la correction</source>
        <translation>&amp;See the correction</translation>
    </message>
    <message>
        <source>&amp;Enregistrer le contenu de la fenêtre exercice</source>
        <translation>Sa&amp;ve the content of the exercise window</translation>
    </message>
    <message>
        <source>&amp;Retrouver un texte</source>
        <translation>&amp;Find a text again</translation>
    </message>
    <message>
        <source>&amp;Imprimer le contenu de la fenêtre exercice</source>
        <translation>&amp;Print the content of the exercise window</translation>
    </message>
    <message>
        <source>&amp;Fermer l&apos;exercice</source>
        <translation>&amp;Close the exercise</translation>
    </message>
    <message>
        <source>Enregistrer le texte</source>
        <translation>Save the text</translation>
    </message>
    <message>
        <source>Retrouver un texte</source>
        <translation>Find a text again</translation>
    </message>
    <message>
        <source>Titre</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Ouvrir un exercice — Velmira</source>
        <translation>Open an exercise — Velmira</translation>
    </message>
    <message>
        <source>Ouvrir un exercice</source>
        <translation>Open an exercise</translation>
    </message>
    <message>
        <source>Emplacement&#xa0;:</source>
        <translation>Location:</translation>
    </message>
    <message>
        <source>Dossiers&#xa0;:</source>
        <translation>Folders:</translation>
    </message>
    <message>
        <source>Liste des exercices&#xa0;:</source>
        <translation>Exercises:</translation>
    </message>
    <message>
        <source>Fichier de l&apos;exercice</source>
        <translation>Exercise file</translation>
    </message>
    <message>
        <source>Notions abordées :</source>
        <translation>Topics covered:</translation>
    </message>
    <message>
        <source>Notions abordées</source>
        <translation>Topics covered</translation>
    </message>
    <message>
        <source>Niveau de difficulté :</source>
        <translation>Difficulty:</translation>
    </message>
    <message>
        <source>Corrigé</source>
        <translation>Corrected</translation>
    </message>
    <message>
        <source>Sélectionner un fichier</source>
        <translation>Select a file</translation>
    </message>
    <message>
        <source>Ouvrir l&apos;exercice sélectionné</source>
        <translation>Open the selected exercise</translation>
    </message>
    <message>
        <source>Fermer sans charger d&apos;exercice</source>
        <translation>Close without loading an exercise</translation>
    </message>
    <message>
        <source>Patienter quelques instants
 Chargement des fichiers</source>
        <translation>Please wait a moment
 Loading the files</translation>
    </message>
    <message>
        <source>Difficulté : %1 sur 3</source>
        <translation>Difficulty: %1 out of 3</translation>
    </message>
    <message>
        <source>Dossier</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>Fichier</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Dossier personnel</source>
        <translation>Home folder</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Documents</translation>
    </message>
    <message>
        <source>Support amovible : %1</source>
        <translation>Removable medium: %1</translation>
    </message>
    <message>
        <source>Exemples de Velmira</source>
        <translation>Velmira&apos;s examples</translation>
    </message>
    <message>
        <source>Ouvrir une configuration</source>
        <translation>Open a configuration</translation>
    </message>
    <message>
        <source>Répertoire</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>Fichiers</source>
        <translation>Files</translation>
    </message>
    <message>
        <source>Nom du fichier</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>OUVRIR</source>
        <translation>OPEN</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Patience&#xa0;: chargement du fichier</source>
        <translation>Please wait: loading the file</translation>
    </message>
    <message>
        <source>Enregistrer les paramètres</source>
        <translation>Save the settings</translation>
    </message>
    <message>
        <source>Répertoire&#xa0;:</source>
        <translation>Folder:</translation>
    </message>
    <message>
        <source>Fichiers enregistrés</source>
        <translation>Saved files</translation>
    </message>
    <message>
        <source>Enregistrer</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Nom du fichier&#xa0;:</source>
        <translation>File name:</translation>
    </message>
    <message>
        <source>E&amp;xercices</source>
        <translation>E&amp;xercises</translation>
    </message>
    <message>
        <source>Ouvrir un énoncé, enregistrer le texte, obtenir la correction, imprimer ou fermer</source>
        <translation>Open a statement, save the text, get the correction, print or close</translation>
    </message>
    <message>
        <source>Texte&#xa0;: %1</source>
        <translation>Text: %1</translation>
    </message>
</context>
<context>
    <name>velmira::graph::ui::GraphWindow</name>
    <message>
        <source>Grandeurs :</source>
        <translation>Quantities:</translation>
    </message>
    <message>
        <source>Options :</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>Échelles :</source>
        <translation>Scales:</translation>
    </message>
    <message>
        <source>Position du pointeur :</source>
        <translation>Pointer position:</translation>
    </message>
    <message>
        <source>Abscisse&#xa0;:  </source>
        <translation>x axis:  </translation>
    </message>
    <message>
        <source>Ordonnée&#xa0;:  </source>
        <translation>y axis:  </translation>
    </message>
    <message>
        <source>Représentation graphique — Velmira</source>
        <translation>Graph — Velmira</translation>
    </message>
    <message>
        <source>Représentation graphique</source>
        <translation>Graph</translation>
    </message>
    <message>
        <source>Graphe</source>
        <translation>Graph</translation>
    </message>
    <message>
        <source>Abscisse</source>
        <translation>x axis</translation>
    </message>
    <message>
        <source>Ordonnée</source>
        <translation>y axis</translation>
    </message>
    <message>
        <source>Lier les points</source>
        <translation>Join the points</translation>
    </message>
    <message>
        <source>Afficher la grille</source>
        <translation>Show the grid</translation>
    </message>
    <message>
        <source>Représenter un point par une croix</source>
        <translation>Draw each point as a cross</translation>
    </message>
    <message>
        <source>Modéliser</source>
        <translation>Fit a model</translation>
    </message>
    <message>
        <source>passant par l&apos;origine</source>
        <translation>through the origin</translation>
    </message>
    <message>
        <source>affine</source>
        <translation>affine</translation>
    </message>
    <message>
        <source>deux droites</source>
        <translation>two lines</translation>
    </message>
    <message>
        <source>Lire sur la droite</source>
        <translation>Read off the line</translation>
    </message>
    <message>
        <source>Lignes : de</source>
        <translation>Rows: from</translation>
    </message>
    <message>
        <source>Lignes du modèle : de</source>
        <translation>Rows of the model: from</translation>
    </message>
    <message>
        <source>à</source>
        <translation>to</translation>
    </message>
    <message>
        <source>Lignes du modèle : à</source>
        <translation>Rows of the model: to</translation>
    </message>
    <message>
        <source>Imprimer le graphe</source>
        <translation>Print the graph</translation>
    </message>
    <message>
        <source>Copier</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Modélisation impossible pour ces points.</source>
        <translation>No model can be fitted to these points.</translation>
    </message>
</context>
<context>
    <name>velmira::graph::ui::LineReadingDialog</name>
    <message>
        <source>Lire sur la droite</source>
        <translation>Read off the line</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>velmira::msg</name>
    <message>
        <source>Enregistrement impossible</source>
        <translation>Cannot save</translation>
    </message>
    <message>
        <source>Fichier en lecture seule</source>
        <translation>Read-only file</translation>
    </message>
    <message>
        <source>Lecture impossible sur disque</source>
        <translation>Cannot read from the disk</translation>
    </message>
    <message>
        <source>Erreur lors du chargement du fichier</source>
        <translation>Error while loading the file</translation>
    </message>
    <message>
        <source>Ce fichier ne correspond pas à cette application</source>
        <translation>This file does not belong to this application</translation>
    </message>
    <message>
        <source>Fichier non valide</source>
        <translation>Invalid file</translation>
    </message>
    <message>
        <source>Texte trop long : seul le début est affiché.</source>
        <translation>Text too long: only its beginning is shown.</translation>
    </message>
    <message>
        <source>Texte trop long</source>
        <translation>Text too long</translation>
    </message>
    <message>
        <source>Enregistrer</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Ne pas enregistrer</source>
        <translation>Don&apos;t save</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Reprendre</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>Choisir des grandeurs valides pour l&apos;abscisse et l&apos;ordonnée</source>
        <translation>Choose valid quantities for the x and y axes</translation>
    </message>
    <message>
        <source>c&apos;est un dossier</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>dossier introuvable</source>
        <translation>folder not found</translation>
    </message>
    <message>
        <source>nom trop long</source>
        <translation>name too long</translation>
    </message>
    <message>
        <source>disque plein</source>
        <translation>disk full</translation>
    </message>
    <message>
        <source>accès refusé</source>
        <translation>access denied</translation>
    </message>
    <message>
        <source>fichier en lecture seule</source>
        <translation>read-only file</translation>
    </message>
    <message>
        <source>ce n&apos;est pas un fichier ordinaire</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>un texte ne tient pas dans le fichier</source>
        <translation>a text does not fit in the file</translation>
    </message>
    <message>
        <source>erreur d&apos;écriture</source>
        <translation>write error</translation>
    </message>
    <message>
        <source>fichier introuvable</source>
        <translation>file not found</translation>
    </message>
    <message>
        <source>fichier trop grand</source>
        <translation>file too large</translation>
    </message>
    <message>
        <source>trop de liens symboliques</source>
        <translation>too many symbolic links</translation>
    </message>
    <message>
        <source>disque en lecture seule</source>
        <translation>read-only disk</translation>
    </message>
    <message>
        <source>erreur d&apos;entrée-sortie</source>
        <translation>input/output error</translation>
    </message>
    <message>
        <source>fichier occupé</source>
        <translation>file busy</translation>
    </message>
    <message>
        <source>le fichier existe déjà</source>
        <translation>the file already exists</translation>
    </message>
    <message>
        <source>autre disque</source>
        <translation>another disk</translation>
    </message>
    <message>
        <source>périphérique absent</source>
        <translation>device missing</translation>
    </message>
    <message>
        <source>trop de fichiers ouverts</source>
        <translation>too many open files</translation>
    </message>
    <message>
        <source>mémoire insuffisante</source>
        <translation>not enough memory</translation>
    </message>
    <message>
        <source>ressource momentanément indisponible</source>
        <translation>resource temporarily unavailable</translation>
    </message>
    <message>
        <source>opération interrompue</source>
        <translation>operation interrupted</translation>
    </message>
    <message>
        <source>opération non valide</source>
        <translation>invalid operation</translation>
    </message>
    <message>
        <source>disque réseau injoignable</source>
        <translation>network disk unreachable</translation>
    </message>
    <message>
        <source>trop de liens</source>
        <translation>too many links</translation>
    </message>
    <message>
        <source>dossier non vide</source>
        <translation>folder not empty</translation>
    </message>
    <message>
        <source>erreur système %1</source>
        <translation>system error %1</translation>
    </message>
    <message>
        <source>Enregistrement impossible : « %1 » : %2</source>
        <translation>Cannot save “%1”: %2</translation>
    </message>
    <message>
        <source>Le fichier « %1 » est en lecture seule.
Le remplacer quand même ?</source>
        <translation>The file “%1” is read-only.
Replace it anyway?</translation>
    </message>
    <message>
        <source>Le zoom n&apos;a pas pu être enregistré : %1</source>
        <translation>The zoom could not be saved: %1</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>La contenance du bécher est de %1 mL.</source>
        <translation>The beaker holds %1 mL.</translation>
    </message>
    <message>
        <source>Le volume minimum du mélange pour que la sonde soit immergée est de %1 mL.</source>
        <translation>The mixture needs at least %1 mL for the probe to be immersed.</translation>
    </message>
    <message>
        <source>Volume corrigé</source>
        <translation>Volume corrected</translation>
    </message>
    <message>
        <source>chlorure d&apos;argent</source>
        <translation>silver chloride</translation>
    </message>
    <message>
        <source>iodure d&apos;argent</source>
        <translation>silver iodide</translation>
    </message>
    <message>
        <source>sulfate d&apos;argent</source>
        <translation>silver sulfate</translation>
    </message>
    <message>
        <source>sulfate de baryum</source>
        <translation>barium sulfate</translation>
    </message>
    <message>
        <source>chlorure d&apos;aluminium</source>
        <translation>aluminium chloride</translation>
    </message>
    <message>
        <source>iodure d&apos;aluminium</source>
        <translation>aluminium iodide</translation>
    </message>
    <message>
        <source>nitrate d&apos;aluminium</source>
        <translation>aluminium nitrate</translation>
    </message>
    <message>
        <source>sulfate d&apos;aluminium</source>
        <translation>aluminium sulfate</translation>
    </message>
    <message>
        <source>acide chlorhydrique</source>
        <translation>hydrochloric acid</translation>
    </message>
    <message>
        <source>acide iodhydrique</source>
        <translation>hydroiodic acid</translation>
    </message>
    <message>
        <source>acide nitrique</source>
        <translation>nitric acid</translation>
    </message>
    <message>
        <source>acide sulfurique</source>
        <translation>sulfuric acid</translation>
    </message>
    <message>
        <source>chlorure de potassium</source>
        <translation>potassium chloride</translation>
    </message>
    <message>
        <source>hydroxyde de potassium</source>
        <translation>potassium hydroxide</translation>
    </message>
    <message>
        <source>iodure de potassium</source>
        <translation>potassium iodide</translation>
    </message>
    <message>
        <source>nitrate de potassium</source>
        <translation>potassium nitrate</translation>
    </message>
    <message>
        <source>sulfate de potassium</source>
        <translation>potassium sulfate</translation>
    </message>
    <message>
        <source>chlorure de magnésium</source>
        <translation>magnesium chloride</translation>
    </message>
    <message>
        <source>iodure de magnésium</source>
        <translation>magnesium iodide</translation>
    </message>
    <message>
        <source>nitrate de magnésium</source>
        <translation>magnesium nitrate</translation>
    </message>
    <message>
        <source>chlorure de sodium</source>
        <translation>sodium chloride</translation>
    </message>
    <message>
        <source>hydroxyde de sodium</source>
        <translation>sodium hydroxide</translation>
    </message>
    <message>
        <source>iodure de sodium</source>
        <translation>sodium iodide</translation>
    </message>
    <message>
        <source>nitrate de sodium</source>
        <translation>sodium nitrate</translation>
    </message>
    <message>
        <source>sulfate de sodium</source>
        <translation>sodium sulfate</translation>
    </message>
    <message>
        <source>acide éthanoïque</source>
        <translation>ethanoic acid</translation>
    </message>
    <message>
        <source>éthanoate de sodium</source>
        <translation>sodium ethanoate</translation>
    </message>
    <message>
        <source>ammoniac</source>
        <translation>ammonia</translation>
    </message>
    <message>
        <source>chlorure d&apos;ammonium</source>
        <translation>ammonium chloride</translation>
    </message>
    <message>
        <source>nitrate d&apos;argent</source>
        <translation>silver nitrate</translation>
    </message>
    <message>
        <source>chlorure de baryum</source>
        <translation>barium chloride</translation>
    </message>
    <message>
        <source>%1

n = %2
moyenne = %3
écart-type s = %4
u = s / √n = %5</source>
        <translation>%1

n = %2
mean = %3
standard deviation s = %4
u = s / √n = %5</translation>
    </message>
    <message>
        <source>Statistiques de la colonne</source>
        <translation>Column statistics</translation>
    </message>
    <message>
        <source>Ajouter des lignes dans le tableau : il n&apos;y a plus de ligne de libre.</source>
        <translation>Add lines to the table: there is no free line left.</translation>
    </message>
    <message>
        <source>Tableau plein</source>
        <translation>Table full</translation>
    </message>
    <message>
        <source>Cette concentration est inconnue : elle n&apos;est pas recopiée dans le tableau.</source>
        <translation>This concentration is unknown: it is not copied into the table.</translation>
    </message>
    <message>
        <source>Concentration inconnue</source>
        <translation>Unknown concentration</translation>
    </message>
    <message>
        <source>Coller</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Le tableau ne peut avoir plus de %1 lignes</source>
        <translation>The table cannot have more than %1 lines</translation>
    </message>
    <message>
        <source>Dépassement de capacité</source>
        <translation>Capacity exceeded</translation>
    </message>
    <message>
        <source>Attention&#xa0;: perte des données.</source>
        <translation>Warning: the data will be lost.</translation>
    </message>
    <message>
        <source>Effacer le tableau</source>
        <translation>Clear the table</translation>
    </message>
    <message>
        <source>Saisir le texte à afficher pour la colonne C%1</source>
        <translation>Type the text to show for column C%1</translation>
    </message>
    <message>
        <source>Nommer C%1</source>
        <translation>Name C%1</translation>
    </message>
    <message>
        <source>Ce titre contient des caractères qui ne peuvent pas être enregistrés.</source>
        <translation>This title contains characters that cannot be saved.</translation>
    </message>
    <message>
        <source>Ce titre est trop long : %1 caractères au plus.</source>
        <translation>This title is too long: %1 characters at most.</translation>
    </message>
    <message>
        <source>1 cellule collée n&apos;est pas un nombre : elle est restée vide.</source>
        <translation>1 pasted cell is not a number: it was left empty.</translation>
    </message>
    <message>
        <source>%1 cellules collées ne sont pas des nombres : elles sont restées vides.</source>
        <translation>%1 pasted cells are not numbers: they were left empty.</translation>
    </message>
    <message>
        <source>1 cellule collée est écrite en notation scientifique pour garder ses chiffres significatifs.</source>
        <translation>1 pasted cell is written in scientific notation to keep its significant figures.</translation>
    </message>
    <message>
        <source>%1 cellules collées sont écrites en notation scientifique pour garder leurs chiffres significatifs.</source>
        <translation>%1 pasted cells are written in scientific notation to keep their significant figures.</translation>
    </message>
    <message>
        <source>Ces valeurs ne sont pas valides</source>
        <translation>These values are not valid</translation>
    </message>
    <message>
        <source>Erreur saisie</source>
        <translation>Entry error</translation>
    </message>
    <message>
        <source>Cette expression contient des caractères qui ne peuvent pas être enregistrés.</source>
        <translation>This expression contains characters that cannot be saved.</translation>
    </message>
    <message>
        <source>Cette expression est trop longue : %1 caractères au plus.</source>
        <translation>This expression is too long: %1 characters at most.</translation>
    </message>
    <message>
        <source>Une valeur n&apos;a pas été calculée.</source>
        <translation>One value was not calculated.</translation>
    </message>
    <message>
        <source>%1 valeurs n&apos;ont pas été calculées.</source>
        <translation>%1 values were not calculated.</translation>
    </message>
    <message>
        <source>Calcul terminé</source>
        <translation>Calculation finished</translation>
    </message>
    <message>
        <source>Expression de %1</source>
        <translation>Expression of %1</translation>
    </message>
    <message>
        <source>Calculer: %1 =</source>
        <translation>Calculate: %1 =</translation>
    </message>
    <message>
        <source>Il faut donner un nom au fichier&#xa0;!</source>
        <translation>The file needs a name!</translation>
    </message>
    <message>
        <source>Ecraser le fichier existant&#xa0;?</source>
        <translation>Overwrite the existing file?</translation>
    </message>
    <message>
        <source>Ce fichier existe déjà&#xa0;!</source>
        <translation>This file already exists!</translation>
    </message>
    <message>
        <source>Nom de fichier incorrect ou chemin non valide</source>
        <translation>Incorrect file name or invalid path</translation>
    </message>
    <message>
        <source>impossible d&apos;ouvrir ce fichier</source>
        <translation>cannot open this file</translation>
    </message>
    <message>
        <source>Vérifier&#xa0;:
- le nom du fichier,
- l&apos;état du lecteur.</source>
        <translation>Check:
- the file name,
- the state of the drive.</translation>
    </message>
    <message>
        <source>Lecture impossible</source>
        <translation>Cannot read</translation>
    </message>
    <message>
        <source>Le fichier %1 est introuvable</source>
        <translation>The file %1 cannot be found</translation>
    </message>
    <message>
        <source>Fichier absent</source>
        <translation>File missing</translation>
    </message>
    <message>
        <source>Fichier introuvable. Revoir l&apos;installation du logiciel.</source>
        <translation>File not found. Check the program&apos;s installation.</translation>
    </message>
    <message>
        <source>Erreur lors du chargement</source>
        <translation>Error while loading</translation>
    </message>
    <message>
        <source>Vérifier l&apos;état du lecteur et le nom du fichier.</source>
        <translation>Check the state of the drive and the file name.</translation>
    </message>
    <message>
        <source>Erreur de lecture.</source>
        <translation>Read error.</translation>
    </message>
    <message>
        <source>Les données ajoutées à la fin de ce fichier sont endommagées : elles ont été ignorées.</source>
        <translation>The data added at the end of this file are damaged: they were ignored.</translation>
    </message>
    <message>
        <source>Fichier endommagé</source>
        <translation>Damaged file</translation>
    </message>
    <message>
        <source>valeur non valide « %1 »</source>
        <translation>invalid value “%1”</translation>
    </message>
    <message>
        <source>incertitude non valide « %1 »</source>
        <translation>invalid uncertainty “%1”</translation>
    </message>
    <message>
        <source>incertitude sans valeur</source>
        <translation>uncertainty without a value</translation>
    </message>
    <message>
        <source>Votre nom :</source>
        <translation>Your name:</translation>
    </message>
    <message>
        <source>Nom de l&apos;élève</source>
        <translation>Pupil&apos;s name</translation>
    </message>
    <message>
        <source>Valeurs cachées de ce travail :</source>
        <translation>Hidden values of this work:</translation>
    </message>
    <message>
        <source>soluté de la solution 2 : %1</source>
        <translation>solute of solution 2: %1</translation>
    </message>
    <message>
        <source>Résultats attendus (à %1 % près) :</source>
        <translation>Expected results (within %1 %):</translation>
    </message>
    <message>
        <source>Ce résultat n&apos;est pas gardé : %1.</source>
        <translation>This result is not kept: %1.</translation>
    </message>
    <message>
        <source>Résultat</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Une valeur cachée de ce travail est endommagée : elle est ignorée.</source>
        <translation>A hidden value of this work is damaged: it is ignored.</translation>
    </message>
    <message>
        <source>Valeur cachée</source>
        <translation>Hidden value</translation>
    </message>
    <message>
        <source>%1 à %2</source>
        <translation>%1 at %2</translation>
    </message>
    <message>
        <source>Des travaux non enregistrés ont été retrouvés :</source>
        <translation>Unsaved works were found:</translation>
    </message>
    <message>
        <source>Reprendre un travail</source>
        <translation>Resume a work</translation>
    </message>
    <message>
        <source>Ne rien reprendre</source>
        <translation>Resume nothing</translation>
    </message>
    <message>
        <source>Travail sans nom</source>
        <translation>Untitled work</translation>
    </message>
    <message>
        <source>La copie de secours du travail ne peut pas être écrite : en cas d&apos;arrêt, le travail non enregistré serait perdu. Pensez à enregistrer.</source>
        <translation>The recovery copy of the work cannot be written: if the program stops, the unsaved work would be lost. Remember to save.</translation>
    </message>
    <message>
        <source>Ce dossier contient les fichiers livrés avec Velmira : on ne peut pas y enregistrer. Choisissez un autre dossier, par exemple vos documents.</source>
        <translation>This folder holds the files shipped with Velmira: nothing can be saved in it. Choose another folder, your documents for example.</translation>
    </message>
    <message>
        <source>Attention&#xa0;: perte des modifications du texte.</source>
        <translation>Warning: the changes to the text will be lost.</translation>
    </message>
    <message>
        <source>Abandon des données&#xa0;?</source>
        <translation>Discard the data?</translation>
    </message>
    <message>
        <source>Le fichier %1 existe déjà.
Ecraser l&apos;ancien&#xa0;?</source>
        <translation>The file %1 already exists.
Overwrite the old one?</translation>
    </message>
    <message>
        <source>Ecraser le fichier&#xa0;?</source>
        <translation>Overwrite the file?</translation>
    </message>
    <message>
        <source>Le travail en cours n&apos;a pas été enregistré. Voulez-vous l&apos;enregistrer ?</source>
        <translation>The current work has not been saved. Do you want to save it?</translation>
    </message>
    <message>
        <source>Travail non enregistré</source>
        <translation>Unsaved work</translation>
    </message>
    <message>
        <source>Annuler : %1</source>
        <translation>Undo: %1</translation>
    </message>
    <message>
        <source>Rétablir : %1</source>
        <translation>Redo: %1</translation>
    </message>
    <message>
        <source>%1 en fonction de %2 : %3 points</source>
        <translation>%1 against %2: %3 points</translation>
    </message>
    <message>
        <source>%1 en fonction de %2 : %3 point</source>
        <translation>%1 against %2: %3 point</translation>
    </message>
    <message>
        <source>ligne %1 : %2 ; %3</source>
        <translation>line %1: %2 ; %3</translation>
    </message>
    <message>
        <source>En abscisse, une division correspond à
%1 unités.

En ordonnée, une division correspond à
%2 unités.</source>
        <translation>On the x axis, one division stands for
%1 units.

On the y axis, one division stands for
%2 units.</translation>
    </message>
    <message>
        <source>Droite 1 : %1</source>
        <translation>Line 1: %1</translation>
    </message>
    <message>
        <source>Droite 2 : %1</source>
        <translation>Line 2: %1</translation>
    </message>
    <message>
        <source>impossible</source>
        <translation>impossible</translation>
    </message>
    <message>
        <source>u non calculable</source>
        <translation>u cannot be calculated</translation>
    </message>
    <message>
        <source>Intersection : </source>
        <translation>Intersection: </translation>
    </message>
    <message>
        <source>Quitter vraiment cette application ?</source>
        <translation>Do you really want to quit this application?</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Il faut choisir au moins une illustration à imprimer</source>
        <translation>Choose at least one picture to print</translation>
    </message>
    <message>
        <source>Erreur sélection</source>
        <translation>Selection error</translation>
    </message>
    <message>
        <source>L&apos;impression n&apos;a pas pu se faire : vérifiez l&apos;imprimante choisie.</source>
        <translation>Printing failed: check the chosen printer.</translation>
    </message>
    <message>
        <source>Imprimer</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Mélange : %1 mL de solution 1 et %2 mL de solution 2</source>
        <translation>Mixture: %1 mL of solution 1 and %2 mL of solution 2</translation>
    </message>
    <message>
        <source>Solution %1 : %2 à %3 mol/L</source>
        <translation>Solution %1: %2 at %3 mol/L</translation>
    </message>
    <message>
        <source>Solution %1 : %2 mol/L</source>
        <translation>Solution %1: %2 mol/L</translation>
    </message>
    <message>
        <source>Formation d&apos;un précipité : mélange non étudié ici.</source>
        <translation>A precipitate forms: this mixture is not studied here.</translation>
    </message>
    <message>
        <source>Velmira
</source>
        <translation>Velmira
</translation>
    </message>
    <message>
        <source>
Ce </source>
        <translation>
This </translation>
    </message>
    <message>
        <source>simulateur permet de déterminer </source>
        <translation>simulator determines </translation>
    </message>
    <message>
        <source>la conductivité et la conductance </source>
        <translation>the conductivity and the conductance </translation>
    </message>
    <message>
        <source>de solutions aqueuses à une température de</source>
        <translation>of aqueous solutions at a temperature of</translation>
    </message>
    <message>
        <source> 25 °C</source>
        <translation> 25 °C</translation>
    </message>
    <message>
        <source>.

Vous pouvez modifier les paramètres suivants :
</source>
        <translation>.

You can change the following settings:
</translation>
    </message>
    <message>
        <source>   - la nature et la concentration de la solution,
   - l&apos;écartement et la surface des électrodes.

</source>
        <translation>   - the nature and the concentration of the solution,
   - the distance between the electrodes and their area.

</translation>
    </message>
    <message>
        <source>Vous pouvez travailler simultanément avec </source>
        <translation>You can work at the same time with </translation>
    </message>
    <message>
        <source>deux solutions différentes et les mélanger. 

</source>
        <translation>two different solutions and mix them. 

</translation>
    </message>
    <message>
        <source>Les images obtenues peuvent être imprimées ou placées dans le presse-papiers (bouton Copier) pour les coller dans une autre application.

</source>
        <translation>The pictures obtained can be printed or put on the clipboard (Copy button) to be pasted into another application.

</translation>
    </message>
    <message>
        <source>Vous pouvez obtenir l&apos;énoncé d&apos;un exercice </source>
        <translation>You can get the statement of an exercise </translation>
    </message>
    <message>
        <source>dans cette fenêtre en appuyant sur l&apos;onglet </source>
        <translation>in this window by pressing the tab </translation>
    </message>
    <message>
        <source>Exercices</source>
        <translation>Exercises</translation>
    </message>
    <message>
        <source>.

</source>
        <translation>.

</translation>
    </message>
    <message>
        <source>Pour vous familiariser avec ce simulateur, choisissez d&apos;abord l&apos;activité </source>
        <translation>To get to know this simulator, first choose the activity </translation>
    </message>
    <message>
        <source>Prise en main </source>
        <translation>Getting started </translation>
    </message>
    <message>
        <source>dans le menu Exercices.</source>
        <translation>in the Exercises menu.</translation>
    </message>
    <message>
        <source>Le zoom est maintenant de %1 %. Il sera appliqué au prochain démarrage de Velmira (votre travail en cours n&apos;est pas touché).</source>
        <translation>The zoom is now %1%. It will apply the next time Velmira starts (your current work is not affected).</translation>
    </message>
</context>
<context>
    <name>velmira::steps</name>
    <message>
        <source>Saisie dans le tableau</source>
        <translation>Entry in the table</translation>
    </message>
    <message>
        <source>Effacer la cellule</source>
        <translation>Clear the cell</translation>
    </message>
    <message>
        <source>Coller</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Nouvelle mesure</source>
        <translation>New measurement</translation>
    </message>
    <message>
        <source>Choisir un calibre</source>
        <translation>Choose a meter range</translation>
    </message>
    <message>
        <source>Choisir une gamme</source>
        <translation>Choose a conductimeter range</translation>
    </message>
    <message>
        <source>Choisir un soluté</source>
        <translation>Choose a solute</translation>
    </message>
    <message>
        <source>Changer de montage</source>
        <translation>Change the set-up</translation>
    </message>
    <message>
        <source>Saisie d&apos;une valeur</source>
        <translation>Enter a value</translation>
    </message>
    <message>
        <source>Burette</source>
        <translation>Burette</translation>
    </message>
    <message>
        <source>Recalculer</source>
        <translation>Recalculate</translation>
    </message>
    <message>
        <source>Calculer</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Représentation graphique</source>
        <translation>Graph</translation>
    </message>
    <message>
        <source>Ajouter au tableau</source>
        <translation>Add to the table</translation>
    </message>
    <message>
        <source>Régler un bouton</source>
        <translation>Turn a knob</translation>
    </message>
    <message>
        <source>Donner un résultat</source>
        <translation>Give a result</translation>
    </message>
</context>
<context>
    <name>velmira::table::ui</name>
    <message>
        <source>Saisie automatique</source>
        <translation>Automatic entry</translation>
    </message>
    <message>
        <source>Colonne C%1 :</source>
        <translation>Column C%1:</translation>
    </message>
    <message>
        <source>Ce que les boutons d&apos;enregistrement écrivent dans chaque colonne :</source>
        <translation>What the recording buttons write in each column:</translation>
    </message>
    <message>
        <source>Standard 1 : 2 chiffres après la virgule</source>
        <translation>Standard 1: 2 decimal places</translation>
    </message>
    <message>
        <source>Standard 2 : 3 chiffres après la virgule</source>
        <translation>Standard 2: 3 decimal places</translation>
    </message>
    <message>
        <source>Standard 3 : libre</source>
        <translation>Standard 3: free</translation>
    </message>
    <message>
        <source>Scientifique 1 : 3 chiffres affichés</source>
        <translation>Scientific 1: 3 digits shown</translation>
    </message>
    <message>
        <source>Scientifique 2 : 4 chiffres affichés</source>
        <translation>Scientific 2: 4 digits shown</translation>
    </message>
    <message>
        <source>Format d&apos;écriture des données dans le tableau</source>
        <translation>Number format of the table&apos;s data</translation>
    </message>
    <message>
        <source>Choisir une option d&apos;affichage en vous aidant du tableau d&apos;exemples.</source>
        <translation>Choose a display option with the help of the table of examples.</translation>
    </message>
    <message>
        <source>Nombre de lignes du tableau</source>
        <translation>Number of rows of the table</translation>
    </message>
    <message>
        <source>Modifier le nombre de lignes du tableau (de 1 à 100)
sans compter la première ligne.</source>
        <translation>Change the number of rows of the table (1 to 100),
not counting the first row.</translation>
    </message>
    <message>
        <source>Nombre de lignes...</source>
        <translation>Number of rows...</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Suite arithmétique</source>
        <translation>Arithmetic sequence</translation>
    </message>
    <message>
        <source>Première valeur&#xa0;:</source>
        <translation>First value:</translation>
    </message>
    <message>
        <source>Dernière valeur&#xa0;:</source>
        <translation>Last value:</translation>
    </message>
    <message>
        <source>Incrément (raison)&#xa0;:</source>
        <translation>Increment (common difference):</translation>
    </message>
</context>
<context>
    <name>velmira::table::ui::TableFrame</name>
    <message>
        <source>       Tableau de valeurs  </source>
        <translation>       Table of values  </translation>
    </message>
    <message>
        <source>Modifier le nombre de lignes, obtenir une représentation graphique...</source>
        <translation>Change the number of rows, draw a graph...</translation>
    </message>
    <message>
        <source>&amp;Rétablir</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>&amp;Saisie automatique</source>
        <translation>&amp;Automatic entry</translation>
    </message>
    <message>
        <source>&amp;Nombre de lignes</source>
        <translation>&amp;Number of rows</translation>
    </message>
    <message>
        <source>&amp;Insérer une ligne au-dessus de la cellule active</source>
        <translation>&amp;Insert a row above the active cell</translation>
    </message>
    <message>
        <source>Insérer une ligne à la &amp;fin du tableau</source>
        <translation>Insert a row at the &amp;end of the table</translation>
    </message>
    <message>
        <source>Supprimer &amp;la ligne de la cellule active</source>
        <translation>&amp;Delete the row of the active cell</translation>
    </message>
    <message>
        <source>F&amp;ormat d&apos;écriture des données</source>
        <translation>Number f&amp;ormat of the data</translation>
    </message>
    <message>
        <source>Représentation &amp;graphique</source>
        <translation>&amp;Graph</translation>
    </message>
    <message>
        <source>&amp;Effacer le tableau</source>
        <translation>C&amp;lear the table</translation>
    </message>
    <message>
        <source>&amp;Cacher le tableau</source>
        <translation>&amp;Hide the table</translation>
    </message>
    <message>
        <source>Im&amp;primer le tableau</source>
        <translation>&amp;Print the table</translation>
    </message>
    <message>
        <source>Calculer</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Voir expression</source>
        <translation>Show formula</translation>
    </message>
    <message>
        <source>Recalculer</source>
        <translation>Recalculate</translation>
    </message>
    <message>
        <source>&amp;Suite arithmétique</source>
        <translation>Arithmetic &amp;sequence</translation>
    </message>
    <message>
        <source>Effacer la colonne</source>
        <translation>Clear the column</translation>
    </message>
    <message>
        <source>Titre de la colonne</source>
        <translation>Column title</translation>
    </message>
    <message>
        <source>Trier la colonne dans l&apos;ordre croissant</source>
        <translation>Sort the column in ascending order</translation>
    </message>
    <message>
        <source>Trier la colonne dans l&apos;ordre décroissant</source>
        <translation>Sort the column in descending order</translation>
    </message>
    <message>
        <source>Stat&amp;istiques de la colonne</source>
        <translation>Column stat&amp;istics</translation>
    </message>
    <message>
        <source>&amp;Calculer C%1</source>
        <translation>&amp;Calculate C%1</translation>
    </message>
    <message>
        <source>&amp;Voir expression C%1</source>
        <translation>Show &amp;formula of C%1</translation>
    </message>
    <message>
        <source>&amp;Recalculer C%1</source>
        <translation>&amp;Recalculate C%1</translation>
    </message>
    <message>
        <source>&amp;Effacer C%1</source>
        <translation>Cl&amp;ear C%1</translation>
    </message>
    <message>
        <source>&amp;Nommer C%1</source>
        <translation>&amp;Name C%1</translation>
    </message>
    <message>
        <source>&amp;Trier C%1 dans l&apos;ordre croissant.</source>
        <translation>Sort C%1 in &amp;ascending order.</translation>
    </message>
    <message>
        <source>Trier C%1 dans l&apos;ordre &amp;décroissant.</source>
        <translation>Sort C%1 in &amp;descending order.</translation>
    </message>
    <message>
        <source>Exporter le tableau</source>
        <translation>Export the table</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Rétablir</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>&amp;Annuler</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>Tableau CSV (*.csv)</source>
        <translation>CSV table (*.csv)</translation>
    </message>
    <message>
        <source>E&amp;xporter le tableau…</source>
        <translation>E&amp;xport the table…</translation>
    </message>
    <message>
        <source>Classeur OpenDocument (*.ods)</source>
        <translation>OpenDocument spreadsheet (*.ods)</translation>
    </message>
</context>
<context>
    <name>velmira::table::ui::TableGrid</name>
    <message>
        <source>Tableau de valeurs</source>
        <translation>Table of values</translation>
    </message>
    <message>
        <source>Flèches : cellule voisine ; Maj+F10 : menu du tableau ; Ctrl+Espace puis Maj+F10 : menu de la colonne ; Tab : sortir</source>
        <translation>Arrows: next cell; Shift+F10: table menu; Ctrl+Space then Shift+F10: column menu; Tab: leave</translation>
    </message>
    <message>
        <source>Cliquer sur la première cellule d&apos;une colonne pour calculer, effacer, nommer ou classer.</source>
        <translation>Click the first cell of a column to calculate, clear, name or sort it.</translation>
    </message>
    <message>
        <source>Colonne choisie : Maj+F10 ouvre son menu (calculer, effacer, nommer, classer).</source>
        <translation>Column chosen: Shift+F10 opens its menu (calculate, clear, name, sort).</translation>
    </message>
    <message>
        <source>Cliquer sur une cellule pour l&apos;activer et saisir une valeur.</source>
        <translation>Click a cell to make it active and type a value.</translation>
    </message>
</context>
<context>
    <name>velmira::ui</name>
    <message>
        <source>Conductimètre</source>
        <translation>Conductimeter</translation>
    </message>
    <message>
        <source>Ampèremètre</source>
        <translation>Ammeter</translation>
    </message>
    <message>
        <source>Voltmètre</source>
        <translation>Voltmeter</translation>
    </message>
    <message>
        <source>Conductance en S</source>
        <translation>Conductance in S</translation>
    </message>
    <message>
        <source>Conductance en mS</source>
        <translation>Conductance in mS</translation>
    </message>
    <message>
        <source>Conductance en µS</source>
        <translation>Conductance in µS</translation>
    </message>
    <message>
        <source>Conductivité en S par m</source>
        <translation>Conductivity in S per m</translation>
    </message>
    <message>
        <source>Conductivité en mS par m</source>
        <translation>Conductivity in mS per m</translation>
    </message>
    <message>
        <source>Conductivité en µS par m</source>
        <translation>Conductivity in µS per m</translation>
    </message>
    <message>
        <source>solution 1</source>
        <translation>solution 1</translation>
    </message>
    <message>
        <source>solution 2</source>
        <translation>solution 2</translation>
    </message>
    <message>
        <source>mélange</source>
        <translation>mixture</translation>
    </message>
    <message>
        <source>Bancs de mesure</source>
        <translation>Measuring benches</translation>
    </message>
    <message>
        <source>Ctrl+Tab : banc suivant, Ctrl+Maj+Tab : banc précédent</source>
        <translation>Ctrl+Tab: next bench, Ctrl+Shift+Tab: previous bench</translation>
    </message>
    <message>
        <source>Distance L entre les électrodes, en cm</source>
        <translation>Distance L between the electrodes, in cm</translation>
    </message>
    <message>
        <source>Distance L entre les électrodes, en cm, de 0,5 à 5</source>
        <translation>Distance L between the electrodes, in cm, from 0,5 to 5</translation>
    </message>
    <message>
        <source>Aire S des électrodes, en cm²</source>
        <translation>Area S of the electrodes, in cm²</translation>
    </message>
    <message>
        <source>Aire S des électrodes, en cm², de 0,5 à 10</source>
        <translation>Area S of the electrodes, in cm², from 0,5 to 10</translation>
    </message>
    <message>
        <source>Liste des solutés</source>
        <translation>List of solutes</translation>
    </message>
    <message>
        <source>Flèches : soluté suivant ou précédent, Entrée : choisir, Échap : fermer</source>
        <translation>Arrows: next or previous solute, Enter: choose, Esc: close</translation>
    </message>
    <message>
        <source>Fenêtre exercice</source>
        <translation>Exercise window</translation>
    </message>
    <message>
        <source>Énoncé et notes de l&apos;exercice</source>
        <translation>The exercise&apos;s wording and notes</translation>
    </message>
    <message>
        <source>Fichier de l&apos;exercice</source>
        <translation>Exercise file</translation>
    </message>
    <message>
        <source>Aide contextuelle</source>
        <translation>Context help</translation>
    </message>
    <message>
        <source>&amp;Ouvrir</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>Retrouver une configuration</source>
        <translation>Open a configuration</translation>
    </message>
    <message>
        <source>Pour retrouver une situation enregistrée et le tableau de valeurs</source>
        <translation>To open a saved set-up and its table of values</translation>
    </message>
    <message>
        <source>&amp;Enregistrer</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Enregistrer la configuration actuelle</source>
        <translation>Save the current configuration</translation>
    </message>
    <message>
        <source>Enregistrer les paramètres en cours et le tableau de valeurs</source>
        <translation>Save the current settings and the table of values</translation>
    </message>
    <message>
        <source>Co&amp;pier</source>
        <translation>Cop&amp;y</translation>
    </message>
    <message>
        <source>Placer l&apos;image dans le presse-papiers</source>
        <translation>Put the picture on the clipboard</translation>
    </message>
    <message>
        <source>Copier pour placer l&apos;image dans le presse- papiers puis coller depuis Word, Paint...</source>
        <translation>Copy to put the picture on the clipboard, then paste it into Word, Paint...</translation>
    </message>
    <message>
        <source>&amp;Imprimer</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>Imprimer l&apos;image</source>
        <translation>Print the picture</translation>
    </message>
    <message>
        <source>Configurer l&apos;imprimante et imprimer l&apos;image</source>
        <translation>Set up the printer and print the picture</translation>
    </message>
    <message>
        <source>&amp;Tableau</source>
        <translation>&amp;Table</translation>
    </message>
    <message>
        <source>Afficher / cacher le tableau</source>
        <translation>Show / hide the table</translation>
    </message>
    <message>
        <source>Pour afficher ou cacher le tableau de valeurs</source>
        <translation>To show or hide the table of values</translation>
    </message>
    <message>
        <source>&amp;Calculatrice</source>
        <translation>Ca&amp;lculator</translation>
    </message>
    <message>
        <source>Machine à calculer</source>
        <translation>Calculator</translation>
    </message>
    <message>
        <source>Afficher la machine à calculer</source>
        <translation>Show the calculator</translation>
    </message>
    <message>
        <source>&amp;Aide</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Aide pour utiliser cette application</source>
        <translation>Help on using this application</translation>
    </message>
    <message>
        <source>Si vous rencontrez une difficulté avec cette application</source>
        <translation>If you have a problem with this application</translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Quitter cette application</source>
        <translation>Quit this application</translation>
    </message>
    <message>
        <source>Pour retrouver le module principal et quitter cette application</source>
        <translation>To go back to the main module and quit this application</translation>
    </message>
    <message>
        <source>Un précipité de %1 se forme dans le bécher.</source>
        <translation>A precipitate of %1 forms in the beaker.</translation>
    </message>
    <message>
        <source> et de </source>
        <translation> and of </translation>
    </message>
    <message>
        <source>Vous pouvez modifier les paramètres,
ouvrir une configuration ou un exercice</source>
        <translation>You can change the settings,
open a configuration or an exercise</translation>
    </message>
    <message>
        <source>L&apos;image est copiée&#xa0;: vous pouvez la retrouver depuis toute autre application (coller)</source>
        <translation>The picture is copied: you can get it back from any other application (paste)</translation>
    </message>
    <message>
        <source>A&amp;grandir</source>
        <translation>Zoom &amp;in</translation>
    </message>
    <message>
        <source>&amp;Réduire</source>
        <translation>Zoom &amp;out</translation>
    </message>
    <message>
        <source>&amp;Taille normale</source>
        <translation>&amp;Normal size</translation>
    </message>
    <message>
        <source>Zoom&#xa0;: %1&#xa0;%</source>
        <translation>Zoom: %1%</translation>
    </message>
</context>
<context>
    <name>velmira::ui::BenchPanel</name>
    <message>
        <source>A&amp;jouter au tableau</source>
        <translation>A&amp;dd to table</translation>
    </message>
    <message>
        <source>Ajouter la mesure dans le tableau de valeurs</source>
        <translation>Add the measurement to the table of values</translation>
    </message>
    <message>
        <source>Nouvelle &amp;mesure</source>
        <translation>New &amp;measurement</translation>
    </message>
    <message>
        <source>Refaire la mesure : les appareils donnent une nouvelle lecture</source>
        <translation>Measure again: the instruments give a new reading</translation>
    </message>
    <message>
        <source>Utiliser les touches fléchées du clavier pour affiner le réglage</source>
        <translation>Use the arrow keys of the keyboard to fine-tune the setting</translation>
    </message>
    <message>
        <source>Vous pouvez modifier le calibre du voltmètre</source>
        <translation>You can change the voltmeter&apos;s range</translation>
    </message>
    <message>
        <source>Vous pouvez modifier le calibre de l&apos;ampèremètre</source>
        <translation>You can change the ammeter&apos;s range</translation>
    </message>
    <message>
        <source>Vous pouvez modifier le calibre du conductimètre</source>
        <translation>You can change the conductimeter&apos;s range</translation>
    </message>
    <message>
        <source>Pour tourner, maintenir le bouton gauche de la souris enfoncé</source>
        <translation>To turn it, hold the left mouse button down</translation>
    </message>
    <message>
        <source>Pour refaire la mesure : chaque lecture est tirée de nouveau (Alt+M)</source>
        <translation>To measure again: each reading is drawn anew (Alt+M)</translation>
    </message>
    <message>
        <source>Pour ajouter cette mesure dans le tableau suivant les paramètres de saisie automatique (Ctrl+Entrée)</source>
        <translation>To add this measurement to the table following the automatic entry settings (Ctrl+Enter)</translation>
    </message>
    <message>
        <source>Banc de la %1</source>
        <translation>Bench of the %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Générateur, %1</source>
        <translation>Generator, %1</translation>
    </message>
    <message>
        <source>Calibre du voltmètre %1, %2</source>
        <translation>Voltmeter range %1, %2</translation>
    </message>
    <message>
        <source>Calibre de l&apos;ampèremètre %1, %2</source>
        <translation>Ammeter range %1, %2</translation>
    </message>
    <message>
        <source>Conductimètre, %1, %2</source>
        <translation>Conductimeter, %1, %2</translation>
    </message>
    <message>
        <source>Ajouter au tableau la mesure de la %1</source>
        <translation>Add the measurement of the %1 to the table</translation>
    </message>
    <message>
        <source>Nouvelle mesure sur la %1</source>
        <translation>New measurement of the %1</translation>
    </message>
    <message>
        <source>Amplitude du générateur, %1</source>
        <translation>Generator amplitude, %1</translation>
    </message>
    <message>
        <source>Fréquence du générateur, %1</source>
        <translation>Generator frequency, %1</translation>
    </message>
    <message>
        <source>En volts ; flèches : tourner le bouton</source>
        <translation>In volts; arrows: turn the knob</translation>
    </message>
    <message>
        <source>En hertz ; flèches : tourner le bouton</source>
        <translation>In hertz; arrows: turn the knob</translation>
    </message>
</context>
<context>
    <name>velmira::ui::Benches</name>
    <message>
        <source>Cliquer sur un onglet pour l&apos;afficher</source>
        <translation>Click on a tab to show it</translation>
    </message>
    <message>
        <source>Choisir les ions en solution dans la liste</source>
        <translation>Choose the ions in solution from the list</translation>
    </message>
    <message>
        <source>Vous pouvez modifier les paramètres de la cellule.</source>
        <translation>You can change the cell&apos;s settings.</translation>
    </message>
    <message>
        <source>Schéma de la cellule de conductivité</source>
        <translation>Diagram of the conductivity cell</translation>
    </message>
    <message>
        <source>inconnue</source>
        <translation>unknown</translation>
    </message>
</context>
<context>
    <name>velmira::ui::CellOptionsFrame</name>
    <message>
        <source> Options pour les mesures</source>
        <translation> Measurement options</translation>
    </message>
    <message>
        <source>Montage avec un conductimètre</source>
        <translation>Set-up with a conductimeter</translation>
    </message>
    <message>
        <source>Montage avec un G.B.F., un voltmètre et un ampèremètre</source>
        <translation>Set-up with a signal generator, a voltmeter and an ammeter</translation>
    </message>
    <message>
        <source>Distance entre les électrodes (0,5&#xa0;cm à 5&#xa0;cm)&#xa0;:</source>
        <translation>Distance between the electrodes (0,5&#xa0;cm to 5&#xa0;cm):</translation>
    </message>
    <message>
        <source>Aire des électrodes (0,5&#xa0;cm² à 10&#xa0;cm²)&#xa0;:</source>
        <translation>Area of the electrodes (0,5&#xa0;cm² to 10&#xa0;cm²):</translation>
    </message>
</context>
<context>
    <name>velmira::ui::CopyMenu</name>
    <message>
        <source>Copier l&apos;illustration pour la solution 1</source>
        <translation>Copy the picture of solution 1</translation>
    </message>
    <message>
        <source>Copier l&apos;illustration pour la solution 2</source>
        <translation>Copy the picture of solution 2</translation>
    </message>
    <message>
        <source>Copier l&apos;illustration pour le mélange</source>
        <translation>Copy the picture of the mixture</translation>
    </message>
</context>
<context>
    <name>velmira::ui::DisplayLabel</name>
    <message>
        <source>%1 : %2 %3</source>
        <translation>%1: %2 %3</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>velmira::ui::HelpWindow</name>
    <message>
        <source>Aide de Velmira</source>
        <translation>Velmira Help</translation>
    </message>
    <message>
        <source>Rechercher dans l&apos;aide</source>
        <translation>Search the help</translation>
    </message>
    <message>
        <source>Sommaire de l&apos;aide</source>
        <translation>Help contents</translation>
    </message>
    <message>
        <source>Texte de l&apos;aide</source>
        <translation>Help text</translation>
    </message>
    <message>
        <source>Rechercher</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Chercher un mot dans l&apos;aide (Entrée : occurrence suivante)</source>
        <translation>Find a word in the help (Enter: next occurrence)</translation>
    </message>
    <message>
        <source>Aucun résultat</source>
        <translation>No results</translation>
    </message>
    <message>
        <source>1 résultat</source>
        <translation>1 result</translation>
    </message>
    <message>
        <source>plus de %1 résultats</source>
        <translation>more than %1 results</translation>
    </message>
    <message>
        <source>%1 résultats</source>
        <translation>%1 results</translation>
    </message>
    <message>
        <source>Le fichier d&apos;aide est introuvable : %1</source>
        <translation>The help file cannot be found: %1</translation>
    </message>
    <message>
        <source>Aide</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Le fichier d&apos;aide est illisible : %1</source>
        <translation>The help file cannot be read: %1</translation>
    </message>
</context>
<context>
    <name>velmira::ui::MixturePanel</name>
    <message>
        <source>Choisissez le volume de chaque solution dans le mélange.</source>
        <translation>Choose the volume of each solution in the mixture.</translation>
    </message>
    <message>
        <source>Burette : flèches haut et bas ou molette, 1 mL (0,1 mL avec Maj)</source>
        <translation>Burette: up and down arrows or wheel, 1 mL (0,1 mL with Shift)</translation>
    </message>
    <message>
        <source>Volume V1 de la solution 1</source>
        <translation>Volume V1 of solution 1</translation>
    </message>
    <message>
        <source>Volume V1 de la solution 1 dans le mélange, en mL ; flèches : burette</source>
        <translation>Volume V1 of solution 1 in the mixture, in mL; arrows: burette</translation>
    </message>
    <message>
        <source>Volume V2 de la solution 2</source>
        <translation>Volume V2 of solution 2</translation>
    </message>
    <message>
        <source>Volume V2 de la solution 2 dans le mélange, en mL ; flèches : burette</source>
        <translation>Volume V2 of solution 2 in the mixture, in mL; arrows: burette</translation>
    </message>
</context>
<context>
    <name>velmira::ui::PrintWindow</name>
    <message>
        <source>Imprimer</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Illustration pour la solution 1</source>
        <translation>Picture of solution 1</translation>
    </message>
    <message>
        <source>Illustration pour la solution 2</source>
        <translation>Picture of solution 2</translation>
    </message>
    <message>
        <source>Illustration pour le mélange</source>
        <translation>Picture of the mixture</translation>
    </message>
    <message>
        <source>Nombre d&apos;exemplaires :</source>
        <translation>Number of copies:</translation>
    </message>
    <message>
        <source>Veuillez patienter quelques instants...</source>
        <translation>Please wait a moment...</translation>
    </message>
    <message>
        <source>Imprimante&#xa0;:</source>
        <translation>Printer:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Imprimantes</source>
        <translation>&amp;Printers</translation>
    </message>
    <message>
        <source>&amp;Annuler</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>velmira::ui::SolutionPanel</name>
    <message>
        <source>Soluté de la solution %1 : %2</source>
        <translation>Solute of solution %1: %2</translation>
    </message>
    <message>
        <source>inconnu</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>Définir la solution dans le premier bécher.</source>
        <translation>Make up the solution in the first beaker.</translation>
    </message>
    <message>
        <source>Définir la solution dans le deuxième bécher.</source>
        <translation>Make up the solution in the second beaker.</translation>
    </message>
    <message>
        <source>Cliquer pour obtenir la liste</source>
        <translation>Click to open the list</translation>
    </message>
    <message>
        <source>Concentration c%1</source>
        <translation>Concentration c%1</translation>
    </message>
    <message>
        <source>Concentration c%1 de la solution %1, en mol par litre</source>
        <translation>Concentration c%1 of solution %1, in mol per litre</translation>
    </message>
    <message>
        <source>Soluté de la solution %1</source>
        <translation>Solute of solution %1</translation>
    </message>
    <message>
        <source>Entrée ou Espace : ouvrir la liste des solutés</source>
        <translation>Enter or Space: open the list of solutes</translation>
    </message>
    <message>
        <source>Choisir le soluté de la solution %1</source>
        <translation>Choose the solute of solution %1</translation>
    </message>
</context>
<context>
    <name>velmira::ui::drawing</name>
    <message>
        <source>Calibre</source>
        <translation>Range</translation>
    </message>
    <message>
        <source>Mesure</source>
        <translation>Meters</translation>
    </message>
    <message>
        <source>Voltmètre</source>
        <translation>Voltmeter</translation>
    </message>
    <message>
        <source>Ampèremètre</source>
        <translation>Ammeter</translation>
    </message>
    <message>
        <source>G.B.F.</source>
        <translation>L.F.G.</translation>
    </message>
    <message>
        <source>Amplitude</source>
        <translation>Amplitude</translation>
    </message>
    <message>
        <source>Fréquence</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>Conductimètre</source>
        <translation>Conductimeter</translation>
    </message>
    <message>
        <source>Conductance </source>
        <translation>Conductance </translation>
    </message>
    <message>
        <source>Conductivité </source>
        <translation>Conductivity </translation>
    </message>
    <message>
        <source>Solution aqueuse étudiée</source>
        <translation>Aqueous solution studied</translation>
    </message>
    <message>
        <source> Ions en solution : </source>
        <translation> Ions in solution: </translation>
    </message>
    <message>
        <source> Concentration en soluté apporté (de 10</source>
        <translation> Concentration of solute added (from 10</translation>
    </message>
    <message>
        <source> à</source>
        <translation> to</translation>
    </message>
    <message>
        <source>) : </source>
        <translation>): </translation>
    </message>
    <message>
        <source> Solution %1 : </source>
        <translation> Solution %1: </translation>
    </message>
    <message>
        <source>Pour que la cellule soit totalement immergée, le volume du</source>
        <translation>For the cell to be fully immersed, the volume of the</translation>
    </message>
    <message>
        <source>mélange doit être supérieur à 60 mL.</source>
        <translation>mixture must be more than 60 mL.</translation>
    </message>
    <message>
        <source>Solution 1</source>
        <translation>Solution 1</translation>
    </message>
    <message>
        <source>Solution 2</source>
        <translation>Solution 2</translation>
    </message>
    <message>
        <source>Mélange</source>
        <translation>Mixture</translation>
    </message>
</context>
</TS>
