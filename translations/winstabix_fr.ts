<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Balance</name>
    <message>
        <source>Enter the mass items: name, mass in g and x in %1.</source>
        <translation>Saisissez les masses : nom, masse en g et x en %1.</translation>
    </message>
    <message>
        <source>Item %1: the mass is not a number of grams.</source>
        <translation>Élément %1 : la masse n&apos;est pas un nombre de grammes.</translation>
    </message>
    <message>
        <source>Item %1: the position x is not a number.</source>
        <translation>Élément %1 : la position x n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>Item %1: a mass cannot be negative.</source>
        <translation>Élément %1 : une masse ne peut pas être négative.</translation>
    </message>
    <message>
        <source>Enter both supports: x in %1 and the scale&apos;s reading in g.</source>
        <translation>Saisissez les deux appuis : x en %1 et la lecture de la balance en g.</translation>
    </message>
    <message>
        <source>Support %1: the position x and the reading must both be numbers.</source>
        <translation>Appui %1 : la position x et la lecture doivent être des nombres.</translation>
    </message>
    <message>
        <source>Support %1: a scale cannot read less than 0 g.</source>
        <translation>Appui %1 : une balance ne peut pas indiquer moins de 0 g.</translation>
    </message>
    <message>
        <source>Both supports stand at one x: the weighing cannot tell where the centre of gravity is.</source>
        <translation>Les deux appuis sont au même x : la pesée ne peut pas situer le centre de gravité.</translation>
    </message>
    <message>
        <source>The masses add up to 0 g: there is no centre of gravity.</source>
        <translation>Les masses totalisent 0 g : il n&apos;y a pas de centre de gravité.</translation>
    </message>
    <message>
        <source>The ballast place is not a number; the frontmost point is taken.</source>
        <translation>La place du lest n&apos;est pas un nombre ; le point le plus avant est pris.</translation>
    </message>
    <message>
        <source>The weighing gives %1 g, the mass items add up to %2 g: an item is missing or a reading is wrong.</source>
        <translation>La pesée donne %1 g, les masses totalisent %2 g : un élément manque ou une lecture est fausse.</translation>
    </message>
    <message>
        <source>Item %1 is marked movable but has no mass or position to move.</source>
        <translation>L&apos;élément %1 est marqué mobile mais n&apos;a ni masse ni position à déplacer.</translation>
    </message>
    <message>
        <source>none needed</source>
        <translation>aucun nécessaire</translation>
    </message>
    <message>
        <source>cannot help there: tail-heavy, ballast must go ahead of x = %1 %2</source>
        <translation>inutile à cet endroit : centrage arrière, le lest doit aller devant x = %1 %2</translation>
    </message>
    <message>
        <source>cannot help there: nose-heavy, ballast must go behind x = %1 %2</source>
        <translation>inutile à cet endroit : centrage avant, le lest doit aller derrière x = %1 %2</translation>
    </message>
    <message>
        <source>Balance data, line %1: not understood, left out.</source>
        <translation>Données de centrage, ligne %1 : incomprise, ignorée.</translation>
    </message>
    <message>
        <source>Balance data: the file ends after line %1 without the block&apos;s end line; what was there was read.</source>
        <translation>Données de centrage : le fichier finit après la ligne %1 sans la ligne de fin du bloc ; ce qui était là a été lu.</translation>
    </message>
    <message>
        <source>Balance data: more than %1 mass items; those from line %2 on were left out.</source>
        <translation>Données de centrage : plus de %1 masses ; celles à partir de la ligne %2 ont été ignorées.</translation>
    </message>
    <message>
        <source>Balance data, line %1: a second movable item, read as an ordinary one.</source>
        <translation>Données de centrage, ligne %1 : un second élément mobile, lu comme ordinaire.</translation>
    </message>
    <message>
        <source>within the recommended range</source>
        <translation>dans la plage recommandée</translation>
    </message>
    <message>
        <source>nose-heavy by %1 %2</source>
        <translation>centré avant de %1 %2</translation>
    </message>
    <message>
        <source>tail-heavy by %1 %2</source>
        <translation>centré arrière de %1 %2</translation>
    </message>
    <message>
        <source> (behind the neutral point: unstable)</source>
        <translation> (derrière le foyer : instable)</translation>
    </message>
    <message>
        <source>%1 g at x = %2 %3</source>
        <translation>%1 g à x = %2 %3</translation>
    </message>
    <message>
        <source>move “%1” to x = %2 %3</source>
        <translation>déplacer « %1 » à x = %2 %3</translation>
    </message>
</context>
<context>
    <name>Calculation</name>
    <message>
        <source>Error: </source>
        <translation>Erreur : </translation>
    </message>
    <message>
        <source>Attention:</source>
        <translation>Attention :</translation>
    </message>
    <message>
        <source>Wings are moved automatically in z-direction!</source>
        <translation>Les ailes ont été déplacées automatiquement en direction z !</translation>
    </message>
    <message>
        <source>Can not calculate wing-%1. </source>
        <translation>Impossible de calculer l&apos;aile-%1. </translation>
    </message>
    <message>
        <source>Can not calculate this aircraft. </source>
        <translation>Impossible de calculer cet avion. </translation>
    </message>
    <message>
        <source>Please change this wing (less aspect ratio)!</source>
        <translation>Veuillez modifier cette aile (allongement plus faible) !</translation>
    </message>
    <message>
        <source>Please change this wing (more aspect ratio)!</source>
        <translation>Veuillez modifier cette aile (allongement plus grand) !</translation>
    </message>
    <message>
        <source>Please change this wing (it has no area)!</source>
        <translation>Veuillez modifier cette aile (elle n&apos;a pas de surface) !</translation>
    </message>
    <message>
        <source>Please change this wing (a trapezium has no chord)!</source>
        <translation>Veuillez modifier cette aile (un trapèze n&apos;a pas de corde) !</translation>
    </message>
    <message>
        <source>Too many panels (%1, at most 3000)!</source>
        <translation>Trop de panneaux (%1, au plus 3000) !</translation>
    </message>
    <message>
        <source>The result is not finite!</source>
        <translation>Le résultat n&apos;est pas fini !</translation>
    </message>
    <message>
        <source>Can not calculate Wing %1 / Trapezium%2.</source>
        <translation>Impossible de calculer l&apos;aile %1 / trapèze %2.</translation>
    </message>
    <message>
        <source>Please change this trapezium (more chord length at tip)!</source>
        <translation>Veuillez modifier ce trapèze (corde d&apos;extrémité plus grande) !</translation>
    </message>
    <message>
        <source>Please change this wing (it gives no lift)!</source>
        <translation>Veuillez modifier cette aile (elle ne porte pas) !</translation>
    </message>
    <message>
        <source>The reference wing has no area or chord!</source>
        <translation>L&apos;aile de référence n&apos;a ni surface ni corde !</translation>
    </message>
    <message>
        <source>The neutral point lies outside the wings!</source>
        <translation>Le foyer se trouve en dehors des ailes !</translation>
    </message>
    <message>
        <source>The results stored in the file did not belong to this aircraft and were calculated again.</source>
        <translation>Les résultats enregistrés dans le fichier n&apos;appartenaient pas à cet avion et ont été recalculés.</translation>
    </message>
    <message>
        <source>Converged estimate: the finer lattice was refused; the finest accepted has %1 panels.</source>
        <translation>Estimation convergée : le maillage plus fin a été refusé ; le plus fin accepté a %1 panneaux.</translation>
    </message>
    <message>
        <source>Not converged: the lattices disagree in direction; the value is the finest lattice&apos;s.</source>
        <translation>Non convergé : les maillages divergent de sens ; la valeur est celle du maillage le plus fin.</translation>
    </message>
    <message>
        <source>Not converged: no finer lattice could be calculated; the value is the window&apos;s lattice&apos;s.</source>
        <translation>Non convergé : aucun maillage plus fin n&apos;a pu être calculé ; la valeur est celle du maillage de la fenêtre.</translation>
    </message>
    <message>
        <source>The aerodynamic center lies outside this wing!</source>
        <translation>Le foyer se trouve en dehors de cette aile !</translation>
    </message>
    <message>
        <source>Please change this trapezium (leading edge swept %1°, at most 80°)!</source>
        <translation>Veuillez modifier ce trapèze (bord d&apos;attaque en flèche de %1°, au plus 80°) !</translation>
    </message>
    <message>
        <source>Please change this trapezium (trailing edge swept %1°, at most 80°)!</source>
        <translation>Veuillez modifier ce trapèze (bord de fuite en flèche de %1°, au plus 80°) !</translation>
    </message>
    <message>
        <source>The results stored in the file are incomplete and were calculated again.</source>
        <translation>Les résultats enregistrés dans le fichier sont incomplets et ont été recalculés.</translation>
    </message>
    <message>
        <source>%1 files were named at start; none was opened. Open one at a time.</source>
        <translation>%1 fichiers ont été indiqués au démarrage ; aucun n&apos;a été ouvert. Ouvrez-en un à la fois.</translation>
    </message>
    <message>
        <source>No home folder: settings are not kept.</source>
        <translation>Pas de dossier personnel : les réglages ne sont pas conservés.</translation>
    </message>
    <message>
        <source>The home folder does not exist: settings are not kept.</source>
        <translation>Le dossier personnel n&apos;existe pas : les réglages ne sont pas conservés.</translation>
    </message>
    <message>
        <source>Wing %1, trapezium 1: span 0 %2.</source>
        <translation>Aile %1, trapèze 1 : envergure 0 %2.</translation>
    </message>
    <message>
        <source>Wing %1, trapeziums 1 to %2: span 0 %3.</source>
        <translation>Aile %1, trapèzes 1 à %2 : envergure 0 %3.</translation>
    </message>
    <message>
        <source>A wing needs a span.</source>
        <translation>Une aile a besoin d&apos;une envergure.</translation>
    </message>
    <message>
        <source>Wing %1, trapezium %2: root chord %3 %4.</source>
        <translation>Aile %1, trapèze %2 : corde d&apos;emplanture %3 %4.</translation>
    </message>
    <message>
        <source>Wing %1, trapezium %2: tip chord %3 %4.</source>
        <translation>Aile %1, trapèze %2 : corde d&apos;extrémité %3 %4.</translation>
    </message>
    <message>
        <source>A trapezium needs a chord at both ends.</source>
        <translation>Un trapèze a besoin d&apos;une corde à ses deux bouts.</translation>
    </message>
    <message>
        <source>TRIM9: Error. itmax is%1 , no calculation possible//</source>
        <translation>TRIM9 : erreur. itmax vaut%1 , aucun calcul possible//</translation>
    </message>
    <message>
        <source> TRIM9M: The system of equations cannot be solved //</source>
        <translation> TRIM9M : le système d&apos;équations n&apos;a pas de solution //</translation>
    </message>
    <message>
        <source>EINFLUSS: The influence matrix could not be built</source>
        <translation>EINFLUSS : la matrice d&apos;influence n&apos;a pas pu être construite</translation>
    </message>
    <message>
        <source>LOES: Error while solving the system of equations </source>
        <translation>LOES : erreur lors de la résolution du système d&apos;équations </translation>
    </message>
    <message>
        <source>LOES: Error...</source>
        <translation>LOES : erreur...</translation>
    </message>
    <message>
        <source>The unsaved changes could not be kept for recovery after a crash.</source>
        <translation>Les modifications non enregistrées n’ont pas pu être conservées pour une récupération après un plantage.</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>Wing</source>
        <translation>Aile</translation>
    </message>
</context>
<context>
    <name>ExportCommands</name>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Planform drawing (SVG)…</source>
        <translation>Plan de l’aile (SVG)…</translation>
    </message>
    <message>
        <source>Planform drawing (DXF)…</source>
        <translation>Plan de l’aile (DXF)…</translation>
    </message>
    <message>
        <source>AVL input file…</source>
        <translation>Fichier d’entrée AVL…</translation>
    </message>
    <message>
        <source>Print template (1:1)…</source>
        <translation>Imprimer le gabarit (1:1)…</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Dessin SVG (*.svg)</translation>
    </message>
    <message>
        <source>DXF drawing (*.dxf)</source>
        <translation>Dessin DXF (*.dxf)</translation>
    </message>
    <message>
        <source>AVL input (*.avl)</source>
        <translation>Entrée AVL (*.avl)</translation>
    </message>
    <message>
        <source>The file was not exported.</source>
        <translation>Le fichier n’a pas été exporté.</translation>
    </message>
    <message>
        <source>Template (1:1)</source>
        <translation>Gabarit (1:1)</translation>
    </message>
    <message>
        <source>Wing %1</source>
        <translation>Aile %1</translation>
    </message>
    <message>
        <source>Wing:</source>
        <translation>Aile :</translation>
    </message>
    <message>
        <source>Both halves</source>
        <translation>Les deux demi-ailes</translation>
    </message>
    <message>
        <source>One half with the centre line</source>
        <translation>Une demi-aile avec l’axe central</translation>
    </message>
</context>
<context>
    <name>Print</name>
    <message>
        <source>The template would take %1 sheets, more than %2: it is not printed.</source>
        <translation>Le gabarit demanderait %1 feuilles, plus de %2 : il n&apos;est pas imprimé.</translation>
    </message>
</context>
<context>
    <name>Stability</name>
    <message>
        <source>x_cg (%1%): %2%3</source>
        <translation>x_CG (%1%): %2%3</translation>
    </message>
    <message>
        <source>Reference area (S): %1</source>
        <translation>Surface de référence (S): %1</translation>
    </message>
    <message>
        <source>Reference length (lm): %1%2</source>
        <translation>Corde de référence (lm): %1%2</translation>
    </message>
    <message>
        <source>x_ac: %1%2</source>
        <translation>x_F: %1%2</translation>
    </message>
    <message>
        <source>x_ac: %1 ± %2%3</source>
        <translation>x_F: %1 ± %2%3</translation>
    </message>
    <message>
        <source>x_cg now: %1%2</source>
        <translation>x_cg actuel : %1%2</translation>
    </message>
    <message>
        <source>= %1% lm</source>
        <translation>= %1% lm</translation>
    </message>
    <message>
        <source>lm leading edge: %1%2</source>
        <translation>Bord d&apos;attaque de lm : %1%2</translation>
    </message>
    <message>
        <source>Attention: a static margin of %1% lies outside %2 to %3%; it is used as typed.</source>
        <translation>Attention : une marge statique de %1% sort de %2 à %3% ; elle est utilisée telle que saisie.</translation>
    </message>
</context>
<context>
    <name>Study</name>
    <message>
        <source>Unknown parameter &quot;%1&quot;: use wN.chordK, wN.spanK, wN.offsetK, wN.gap, wN.x, wN.z or wN.scale (N the wing, K the station or trapezium).</source>
        <translation>Paramètre inconnu « %1 » : utilisez wN.chordK, wN.spanK, wN.offsetK, wN.gap, wN.x, wN.z ou wN.scale (N l’aile, K la station ou le trapèze).</translation>
    </message>
    <message>
        <source>Wing %1 is not in use (wings in use: 1 to %2).</source>
        <translation>L’aile %1 n’est pas utilisée (ailes utilisées : 1 à %2).</translation>
    </message>
    <message>
        <source>Wing %1 has no station %2: its stations are 1 to %3.</source>
        <translation>L’aile %1 n’a pas de station %2 : ses stations vont de 1 à %3.</translation>
    </message>
    <message>
        <source>Wing %1 has no trapezium %2: it has %3.</source>
        <translation>L’aile %1 n’a pas de trapèze %2 : elle en a %3.</translation>
    </message>
    <message>
        <source>A study takes %1 to %2 steps, not %3.</source>
        <translation>Une étude compte de %1 à %2 pas, pas %3.</translation>
    </message>
    <message>
        <source>The range needs two numbers, not &quot;%1&quot;.</source>
        <translation>La plage demande deux nombres, pas « %1 ».</translation>
    </message>
    <message>
        <source>Negative length: its absolute value is used.</source>
        <translation>Longueur négative : sa valeur absolue est utilisée.</translation>
    </message>
    <message>
        <source>Wing %1: chord at station %2</source>
        <translation>Aile %1 : corde à la station %2</translation>
    </message>
    <message>
        <source>Wing %1: span of trapezium %2</source>
        <translation>Aile %1 : envergure du trapèze %2</translation>
    </message>
    <message>
        <source>Wing %1: leading-edge offset at station %2</source>
        <translation>Aile %1 : décalage du bord d’attaque à la station %2</translation>
    </message>
    <message>
        <source>Wing %1: centre gap</source>
        <translation>Aile %1 : écart central</translation>
    </message>
    <message>
        <source>Wing %1: position x (tail arm)</source>
        <translation>Aile %1 : position x (bras de levier)</translation>
    </message>
    <message>
        <source>Wing %1: height z</source>
        <translation>Aile %1 : hauteur z</translation>
    </message>
    <message>
        <source>Wing %1: size (chords, spans and offsets)</source>
        <translation>Aile %1 : taille (cordes, envergures et décalages)</translation>
    </message>
    <message>
        <source>Cancelled after %1 of %2 variants.</source>
        <translation>Annulé après %1 variantes sur %2.</translation>
    </message>
    <message>
        <source>x (rearwards)</source>
        <translation>x (vers l’arrière)</translation>
    </message>
    <message>
        <source>Static margin, %</source>
        <translation>Marge statique, %</translation>
    </message>
    <message>
        <source>Recommended centre of gravity</source>
        <translation>Centre de gravité recommandé</translation>
    </message>
    <message>
        <source>Neutral point</source>
        <translation>Foyer</translation>
    </message>
    <message>
        <source>Desired centre of gravity</source>
        <translation>Centre de gravité voulu</translation>
    </message>
    <message>
        <source>Centre of gravity as built</source>
        <translation>Centre de gravité réel</translation>
    </message>
    <message>
        <source>Static margin</source>
        <translation>Marge statique</translation>
    </message>
    <message>
        <source>Variants (click: adopt)</source>
        <translation>Variantes (clic : adopter)</translation>
    </message>
    <message>
        <source>Refused</source>
        <translation>Refusé</translation>
    </message>
    <message>
        <source>Current value</source>
        <translation>Valeur actuelle</translation>
    </message>
    <message>
        <source>Neutral point %1, recommended range %2 to %3</source>
        <translation>Foyer %1, plage recommandée %2 à %3</translation>
    </message>
    <message>
        <source>desired %1</source>
        <translation>voulu %1</translation>
    </message>
    <message>
        <source>As built %1</source>
        <translation>Réel %1</translation>
    </message>
    <message>
        <source>static margin %1 %</source>
        <translation>marge statique %1 %</translation>
    </message>
    <message>
        <source>Adopted: %1 (Undo takes it back).</source>
        <translation>Adopté : %1 (Annuler le reprend).</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>Impossible d’écrire %1.</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>Valeurs séparées par des virgules (*.csv)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Dessin SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>Written: %1</source>
        <translation>Écrit : %1</translation>
    </message>
    <message>
        <source>Parameter study</source>
        <translation>Étude paramétrique</translation>
    </message>
    <message>
        <source>Parameter:</source>
        <translation>Paramètre :</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>De :</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>À :</translation>
    </message>
    <message>
        <source>Steps:</source>
        <translation>Pas :</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Exporter en CSV…</translation>
    </message>
    <message>
        <source>Export SVG…</source>
        <translation>Exporter en SVG…</translation>
    </message>
    <message>
        <source>Export PNG…</source>
        <translation>Exporter en PNG…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimer…</translation>
    </message>
    <message>
        <source>Compare with %1</source>
        <translation>Comparaison avec %1</translation>
    </message>
    <message>
        <source>Wing %1: span, %2</source>
        <translation>Aile %1 : envergure, %2</translation>
    </message>
    <message>
        <source>Wing %1: area, %2</source>
        <translation>Aile %1 : surface, %2</translation>
    </message>
    <message>
        <source>Wing %1: mean chord, %2</source>
        <translation>Aile %1 : corde moyenne, %2</translation>
    </message>
    <message>
        <source>Neutral point, %1</source>
        <translation>Foyer, %1</translation>
    </message>
    <message>
        <source>Centre of gravity, front, %1</source>
        <translation>Centre de gravité, avant, %1</translation>
    </message>
    <message>
        <source>Centre of gravity, rear, %1</source>
        <translation>Centre de gravité, arrière, %1</translation>
    </message>
    <message>
        <source>This aircraft</source>
        <translation>Cet avion</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Différence</translation>
    </message>
    <message>
        <source>Solid: this aircraft; dashed: %1. Read-only.</source>
        <translation>Trait plein : cet avion ; tirets : %1. Lecture seule.</translation>
    </message>
</context>
<context>
    <name>SummaryPage</name>
    <message>
        <source>wing span:</source>
        <translation>envergure:</translation>
    </message>
    <message>
        <source>wing area:</source>
        <translation>surface alaire:</translation>
    </message>
    <message>
        <source>aspect ratio:</source>
        <translation>allongement:</translation>
    </message>
    <message>
        <source>mean aerod. chord:</source>
        <translation>corde aérod. moy.:</translation>
    </message>
    <message>
        <source>geometric center:</source>
        <translation>foyer géométrique:</translation>
    </message>
    <message>
        <source>aerodynamic center:</source>
        <translation>foyer aérodynamique:</translation>
    </message>
    <message>
        <source>lift slope:</source>
        <translation>gradient portance:</translation>
    </message>
    <message>
        <source>Wing%1:</source>
        <translation>Aile%1:</translation>
    </message>
    <message>
        <source>Summary:</source>
        <translation>Résumé:</translation>
    </message>
    <message>
        <source>Recommended center of gravity by stab =  </source>
        <translation>Centre de gravité recommandé, marge =  </translation>
    </message>
    <message>
        <source>recomemnded center of gravity by stab =  </source>
        <translation>Centre de gravité recommandé, marge =  </translation>
    </message>
    <message>
        <source>Center of gravity by stab = </source>
        <translation>Centre de gravité pour marge = </translation>
    </message>
    <message>
        <source>aerodynamic center: </source>
        <translation>foyer:              </translation>
    </message>
    <message>
        <source>Balance:</source>
        <translation>Centrage :</translation>
    </message>
    <message>
        <source>mass of the model:</source>
        <translation>masse du modèle :</translation>
    </message>
    <message>
        <source>center of gravity:</source>
        <translation>centre de gravité :</translation>
    </message>
    <message>
        <source>in % of the ref. chord:</source>
        <translation>en % de la corde de réf. :</translation>
    </message>
    <message>
        <source>static margin:</source>
        <translation>marge statique :</translation>
    </message>
    <message>
        <source>status:</source>
        <translation>état :</translation>
    </message>
    <message>
        <source>ballast:</source>
        <translation>lest :</translation>
    </message>
    <message>
        <source>movable item:</source>
        <translation>élément mobile :</translation>
    </message>
    <message>
        <source>%1 % lm</source>
        <translation>%1 % lm</translation>
    </message>
    <message>
        <source>leading edge of lm: </source>
        <translation>bord d&apos;attaque de lm : </translation>
    </message>
</context>
<context>
    <name>Views</name>
    <message>
        <source>flight direction</source>
        <translation>sens de vol</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>wing span (b):</source>
        <translation>envergure (b):</translation>
    </message>
    <message>
        <source>wing area (s):</source>
        <translation>surface alaire (s):</translation>
    </message>
    <message>
        <source>mean aerod. chord (lm):</source>
        <translation>corde aérod. moyenne (lm):</translation>
    </message>
    <message>
        <source>geometric center (r25):</source>
        <translation>foyer géométrique (r25):</translation>
    </message>
    <message>
        <source>aspect ratio (lam):</source>
        <translation>allongement (lam):</translation>
    </message>
    <message>
        <source>aerodynamic center (anp):</source>
        <translation>foyer aérodynamique (anp):</translation>
    </message>
    <message>
        <source>1 trapezium</source>
        <translation>1 trapèze</translation>
    </message>
    <message>
        <source>2 trapeziums</source>
        <translation>2 trapèzes</translation>
    </message>
    <message>
        <source>3 trapeziums</source>
        <translation>3 trapèzes</translation>
    </message>
    <message>
        <source>4 trapeziums</source>
        <translation>4 trapèzes</translation>
    </message>
    <message>
        <source>Desired Static Stability:</source>
        <translation>Marge statique souhaitée :</translation>
    </message>
    <message>
        <source>Positioning</source>
        <translation>Disposition</translation>
    </message>
    <message>
        <source>- calculation is running -</source>
        <translation>- calcul en cours -</translation>
    </message>
    <message>
        <source>Calculate Aerodynamic Center</source>
        <translation>Calculer le foyer</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>  Wing 1 </source>
        <translation>  Aile 1 </translation>
    </message>
    <message>
        <source>  Wing 2 </source>
        <translation>  Aile 2 </translation>
    </message>
    <message>
        <source>  Wing 3 </source>
        <translation>  Aile 3 </translation>
    </message>
    <message>
        <source>  Aircraft  </source>
        <translation>  Avion  </translation>
    </message>
    <message>
        <source> Remarks </source>
        <translation> Remarques </translation>
    </message>
    <message>
        <source>1 Wing</source>
        <translation>1 aile</translation>
    </message>
    <message>
        <source>2 Wings</source>
        <translation>2 ailes</translation>
    </message>
    <message>
        <source>3 Wings</source>
        <translation>3 ailes</translation>
    </message>
    <message>
        <source>Automatic choice of stability</source>
        <translation>Choix automatique de la stabilité</translation>
    </message>
    <message>
        <source>Manual choice of stability</source>
        <translation>Choix manuel de la stabilité</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Wing 1</source>
        <translation>Aile 1</translation>
    </message>
    <message>
        <source>Wing 2</source>
        <translation>Aile 2</translation>
    </message>
    <message>
        <source>Wing 3</source>
        <translation>Aile 3</translation>
    </message>
    <message>
        <source>Aircraft</source>
        <translation>Avion</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Centre gap of wing %1, %9</source>
        <translation>Fente centrale de l&apos;aile %1, %9</translation>
    </message>
    <message>
        <source>Span of trapezium %2 of wing %1, %9</source>
        <translation>Envergure du trapèze %2 de l&apos;aile %1, %9</translation>
    </message>
    <message>
        <source>Tip chord of trapezium %2 of wing %1, %9</source>
        <translation>Corde d&apos;extrémité du trapèze %2 de l&apos;aile %1, %9</translation>
    </message>
    <message>
        <source>Leading-edge offset at the tip of trapezium %2 of wing %1, %9</source>
        <translation>Décalage du bord d&apos;attaque à l&apos;extrémité du trapèze %2 de l&apos;aile %1, %9</translation>
    </message>
    <message>
        <source>Root chord of wing %1, %9</source>
        <translation>Corde à l&apos;emplanture de l&apos;aile %1, %9</translation>
    </message>
    <message>
        <source>Position x of wing %1, %9</source>
        <translation>Position x de l&apos;aile %1, %9</translation>
    </message>
    <message>
        <source>Height z of wing %1, %9</source>
        <translation>Hauteur z de l&apos;aile %1, %9</translation>
    </message>
    <message>
        <source>Planform of wing %1</source>
        <translation>Forme en plan de l&apos;aile %1</translation>
    </message>
    <message>
        <source>Dimension sketch of wing %1</source>
        <translation>Croquis coté de l&apos;aile %1</translation>
    </message>
    <message>
        <source>Position sketch of wing %1</source>
        <translation>Croquis de position de l&apos;aile %1</translation>
    </message>
    <message>
        <source>Desired static stability, %</source>
        <translation>Marge statique souhaitée, %</translation>
    </message>
    <message>
        <source>Error messages</source>
        <translation>Messages d&apos;erreur</translation>
    </message>
    <message>
        <source>Remarks</source>
        <translation>Remarques</translation>
    </message>
    <message>
        <source>Top view of the aircraft</source>
        <translation>Vue de dessus de l&apos;avion</translation>
    </message>
    <message>
        <source>3-D view of the aircraft</source>
        <translation>Vue 3D de l&apos;avion</translation>
    </message>
    <message>
        <source>Elevation of the 3-D view</source>
        <translation>Élévation de la vue 3D</translation>
    </message>
    <message>
        <source>Azimuth of the 3-D view</source>
        <translation>Azimut de la vue 3D</translation>
    </message>
    <message>
        <source>Zoom of the top view</source>
        <translation>Agrandissement de la vue de dessus</translation>
    </message>
    <message>
        <source>Zoom of the 3-D view</source>
        <translation>Agrandissement de la vue 3D</translation>
    </message>
    <message>
        <source>   WinStabix calculates the aerodynamic center   </source>
        <translation>   WinStabix calcule le foyer   </translation>
    </message>
    <message>
        <source>of an aircraft and suggests a suitable</source>
        <translation>d&apos;un avion et propose une plage</translation>
    </message>
    <message>
        <source>range for the center of gravity</source>
        <translation>favorable pour le centre de gravité</translation>
    </message>
    <message>
        <source>Idea and Formulas: the WinStabix authors</source>
        <translation>Idée et formules : les auteurs de WinStabix</translation>
    </message>
    <message>
        <source>Realization: the WinStabix authors</source>
        <translation>Réalisation : les auteurs de WinStabix</translation>
    </message>
    <message>
        <source>Wing-%1  </source>
        <translation>Aile-%1  </translation>
    </message>
    <message>
        <source>Are you sure this wing shall </source>
        <translation>Cette aile doit-elle vraiment </translation>
    </message>
    <message>
        <source>have a gap in the middle?</source>
        <translation>avoir une fente au milieu ?</translation>
    </message>
    <message>
        <source>insert your remarks her:</source>
        <translation>Saisissez vos remarques ici :</translation>
    </message>
    <message>
        <source>The aircraft was not saved.</source>
        <translation>L&apos;avion n&apos;a pas été enregistré.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Ouvrir un fichier</translation>
    </message>
    <message>
        <source>Save File as</source>
        <translation>Enregistrer le fichier sous</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Enregistrer le fichier</translation>
    </message>
    <message>
        <source>Calc</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>Print</source>
        <comment>tool button hint</comment>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Fichiers récents</translation>
    </message>
    <message>
        <source>Drag on the planform of wing %1</source>
        <translation>Déplacement sur la forme en plan de l&apos;aile %1</translation>
    </message>
    <message>
        <source>Heights moved by the calculation</source>
        <translation>Hauteurs déplacées par le calcul</translation>
    </message>
    <message>
        <source>Trapezium count of wing %1</source>
        <translation>Nombre de trapèzes de l&apos;aile %1</translation>
    </message>
    <message>
        <source>Wing count</source>
        <translation>Nombre d&apos;ailes</translation>
    </message>
    <message>
        <source>The aircraft has changes that are not saved. Save them first?</source>
        <translation>L&apos;avion a des modifications non enregistrées. Les enregistrer d&apos;abord ?</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The aircraft file was not opened.</source>
        <translation>Le fichier de l&apos;avion n&apos;a pas été ouvert.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is no longer there; it is taken off the list.</source>
        <translation>Le fichier « %1 » n&apos;existe plus ; il est retiré de la liste.</translation>
    </message>
    <message>
        <source>%1 character(s) of the remarks cannot be stored in an aircraft file and were saved as &quot;?&quot;.</source>
        <translation>%1 caractère(s) des remarques ne peuvent pas être enregistrés dans un fichier d&apos;avion et ont été enregistrés comme « ? ».</translation>
    </message>
    <message>
        <source>Converged neutral point</source>
        <translation>Foyer convergé</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened or saved. Overwrite it?</source>
        <translation>%1 a été modifié par un autre programme depuis son ouverture ou son enregistrement. L&apos;écraser ?</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Écraser</translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation>Enregistrer sous…</translation>
    </message>
    <message>
        <source>Name of mass item %1</source>
        <translation>Nom de la masse %1</translation>
    </message>
    <message>
        <source>Mass of item %1, g</source>
        <translation>Masse de l&apos;élément %1, g</translation>
    </message>
    <message>
        <source>Position x of item %1, %9</source>
        <translation>Position x de l&apos;élément %1, %9</translation>
    </message>
    <message>
        <source>Position x of support %1, %9</source>
        <translation>Position x de l&apos;appui %1, %9</translation>
    </message>
    <message>
        <source>Scale reading of support %1, g</source>
        <translation>Lecture de la balance à l&apos;appui %1, g</translation>
    </message>
    <message>
        <source>Ballast place x, %9</source>
        <translation>Place du lest x, %9</translation>
    </message>
    <message>
        <source>Balance method</source>
        <translation>Méthode de centrage</translation>
    </message>
    <message>
        <source>New mass item</source>
        <translation>Nouvelle masse</translation>
    </message>
    <message>
        <source>Removal of mass item %1</source>
        <translation>Suppression de la masse %1</translation>
    </message>
    <message>
        <source>Order of the mass items</source>
        <translation>Ordre des masses</translation>
    </message>
    <message>
        <source>Movable item</source>
        <translation>Élément mobile</translation>
    </message>
    <message>
        <source>Calculate the aerodynamic center for the margin, the status and the ballast.</source>
        <translation>Calculez le foyer pour la marge, l&apos;état et le lest.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Mass, g</source>
        <translation>Masse, g</translation>
    </message>
    <message>
        <source>x, %9</source>
        <translation>x, %9</translation>
    </message>
    <message>
        <source>Movable</source>
        <translation>Mobile</translation>
    </message>
    <message>
        <source>Mass items</source>
        <translation>Masses</translation>
    </message>
    <message>
        <source>Ballast place x, %9; empty: the frontmost point of the aircraft (shown greyed)</source>
        <translation>Place du lest x, %9 ; vide : le point le plus avant de l&apos;avion (en grisé)</translation>
    </message>
    <message>
        <source>Tail volume V = S · |x + r25 − (x1 + r25_1)| / (S1 · lm1) against wing 1; usual for a tail plane: %1 to %2</source>
        <translation>Volume d&apos;empennage V = S · |x + r25 − (x1 + r25_1)| / (S1 · lm1) par rapport à l&apos;aile 1 ; habituel pour un stabilisateur : %1 à %2</translation>
    </message>
    <message>
        <source>tail volume %1</source>
        <translation>vol. empenn. %1</translation>
    </message>
    <message>
        <source>Tail volume of wing %1</source>
        <translation>Volume d&apos;empennage de l&apos;aile %1</translation>
    </message>
    <message>
        <source> Balance </source>
        <translation> Centrage </translation>
    </message>
    <message>
        <source>Mass items (x rearwards from the root of wing 1):</source>
        <translation>Masses (x vers l&apos;arrière depuis l&apos;emplanture de l&apos;aile 1) :</translation>
    </message>
    <message>
        <source>Weighing on two supports:</source>
        <translation>Pesée sur deux appuis :</translation>
    </message>
    <message>
        <source>reading, g</source>
        <translation>lecture, g</translation>
    </message>
    <message>
        <source>Support 1:</source>
        <translation>Appui 1 :</translation>
    </message>
    <message>
        <source>Support 2:</source>
        <translation>Appui 2 :</translation>
    </message>
    <message>
        <source>Ballast place x, %9:</source>
        <translation>Place du lest x, %9 :</translation>
    </message>
    <message>
        <source>The model as built:</source>
        <translation>Le modèle tel que construit :</translation>
    </message>
    <message>
        <source>total mass:</source>
        <translation>masse totale :</translation>
    </message>
    <message>
        <source>centre of gravity x:</source>
        <translation>centre de gravité x :</translation>
    </message>
    <message>
        <source>in % of the reference chord:</source>
        <translation>en % de la corde de référence :</translation>
    </message>
    <message>
        <source>static margin:</source>
        <translation>marge statique :</translation>
    </message>
    <message>
        <source>target (recommended):</source>
        <translation>cible (recommandée) :</translation>
    </message>
    <message>
        <source>ballast:</source>
        <translation>lest :</translation>
    </message>
    <message>
        <source>movable item:</source>
        <translation>élément mobile :</translation>
    </message>
    <message>
        <source>Weighing on two supports</source>
        <translation>Pesée sur deux appuis</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>Exemples</translation>
    </message>
    <message>
        <source>Span b from tip to tip, the centre gap included.</source>
        <translation>Envergure b d&apos;un bout à l&apos;autre, fente centrale comprise.</translation>
    </message>
    <message>
        <source>Area s of both halves, without the centre gap.</source>
        <translation>Surface s des deux demi-ailes, sans la fente centrale.</translation>
    </message>
    <message>
        <source>Mean aerodynamic chord lm: the chord averaged over the span, each chord weighted by itself. The static margin is given in % of it.</source>
        <translation>Corde aérodynamique moyenne lm : la corde moyennée sur l&apos;envergure, chaque corde pondérée par elle-même. La marge statique est donnée en % de celle-ci.</translation>
    </message>
    <message>
        <source>Geometric neutral point r25: the quarter point of lm, measured rearwards from the wing&apos;s root leading edge.</source>
        <translation>Foyer géométrique r25 : le quart avant de lm, mesuré vers l&apos;arrière depuis le bord d&apos;attaque de l&apos;emplanture.</translation>
    </message>
    <message>
        <source>Aspect ratio lam = b² / s.</source>
        <translation>Allongement lam = b² / s.</translation>
    </message>
    <message>
        <source>Aerodynamic centre anp of this wing in the whole aircraft, from the vortex-lattice calculation, measured rearwards from its root leading edge.</source>
        <translation>Foyer aérodynamique anp de cette aile dans l&apos;avion entier, d&apos;après le calcul par treillis de tourbillons, mesuré vers l&apos;arrière depuis son bord d&apos;attaque à l&apos;emplanture.</translation>
    </message>
    <message>
        <source>After a calculation:
lm leading edge: x of the leading edge of the reference wing&apos;s mean chord lm.
Reference area S and length lm: those of the reference wing, the one of largest span.
x_cg (16%): the centre of gravity for a static margin of 16 % of lm ahead of the neutral point;
= 13.2% lm: the same position, 13.2 % of lm behind the leading edge of lm.
x_ac: the neutral point (aerodynamic centre) of the whole aircraft.
Every x is measured rearwards from the root leading edge of wing 1.
A click magnifies the view or returns it to its size; dragging down magnifies it while the button is held.</source>
        <translation>Après un calcul :
Bord d&apos;attaque de lm : x du bord d&apos;attaque de la corde moyenne lm de l&apos;aile de référence.
Surface S et corde lm de référence : celles de l&apos;aile de référence, celle de plus grande envergure.
x_CG (16%) : le centre de gravité pour une marge statique de 16 % de lm en avant du foyer ;
= 13.2% lm : la même position, à 13.2 % de lm derrière le bord d&apos;attaque de lm.
x_F : le foyer de l&apos;avion entier.
Chaque x se mesure vers l&apos;arrière depuis le bord d&apos;attaque de l&apos;emplanture de l&apos;aile 1.
Un clic agrandit la vue ou lui rend sa taille ; tirer vers le bas l&apos;agrandit tant que le bouton reste enfoncé.</translation>
    </message>
    <message>
        <source>Read as %1 %2.</source>
        <translation>Lu comme %1 %2.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Restore the unsaved changes of %1 from %2?</source>
        <translation>Restaurer les modifications non enregistrées de %1 du %2 ?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Plus tard</translation>
    </message>
    <message>
        <source>%1 was changed by another program. Open it again?</source>
        <translation>%1 a été modifié par un autre programme. Le rouvrir ?</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recharger</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Conserver</translation>
    </message>
    <message>
        <source>Value of wing %1 from the parameter study</source>
        <translation>Valeur de l’aile %1 issue de l’étude paramétrique</translation>
    </message>
    <message>
        <source>Parameter study…</source>
        <translation>Étude paramétrique…</translation>
    </message>
    <message>
        <source>Compare with…</source>
        <translation>Comparer avec…</translation>
    </message>
    <message>
        <source>Aircraft (*.da4)</source>
        <translation>Avion (*.da4)</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unités</translation>
    </message>
    <message>
        <source>Millimetres (mm)</source>
        <translation>Millimètres (mm)</translation>
    </message>
    <message>
        <source>Centimetres (cm)</source>
        <translation>Centimètres (cm)</translation>
    </message>
    <message>
        <source>Inches (in, areas in in²)</source>
        <translation>Pouces (in, surfaces en in²)</translation>
    </message>
</context>
<context>
    <name>ws::RemarksPage</name>
    <message>
        <source>These remarks are too long to edit here (%1 characters). They are kept and saved as they are. They begin:</source>
        <translation>Ces remarques sont trop longues pour être modifiées ici (%1 caractères). Elles sont conservées et enregistrées telles quelles. Elles commencent ainsi :</translation>
    </message>
</context>
<context>
    <name>ws::TForm3</name>
    <message>
        <source>Print to PDF file</source>
        <translation>Imprimer dans un fichier PDF</translation>
    </message>
    <message>
        <source>Written to the PDF file %1</source>
        <translation>Écrit dans le fichier PDF %1</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Imprimante</translation>
    </message>
    <message>
        <source>Printer resolution:</source>
        <translation>Résolution de l&apos;imprimante :</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Auflösung</source>
        <comment>the design&apos;s header, German in English too</comment>
        <translation>Résolution</translation>
    </message>
    <message>
        <source>No printer is installed. The page can only be written to a PDF file.</source>
        <translation>Aucune imprimante n&apos;est installée. La page ne peut être écrite que dans un fichier PDF.</translation>
    </message>
    <message>
        <source>PDF file</source>
        <translation>Fichier PDF</translation>
    </message>
    <message>
        <source>default %1dpi</source>
        <translation>défaut %1dpi</translation>
    </message>
    <message>
        <source>The printer reports no resolutions; its default resolution is used.</source>
        <translation>L&apos;imprimante n&apos;indique aucune résolution ; sa résolution par défaut est utilisée.</translation>
    </message>
    <message>
        <source>No printer is installed, so nothing can be printed.</source>
        <translation>Aucune imprimante n&apos;est installée : rien ne peut être imprimé.</translation>
    </message>
    <message>
        <source>There is no page to print.</source>
        <translation>Il n&apos;y a aucune page à imprimer.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; reports no resolution; nothing was printed.</source>
        <translation>L&apos;imprimante « %1 » n&apos;indique aucune résolution ; rien n&apos;a été imprimé.</translation>
    </message>
    <message>
        <source>Choose a printer resolution first; nothing was printed.</source>
        <translation>Choisissez d&apos;abord une résolution ; rien n&apos;a été imprimé.</translation>
    </message>
</context>
<context>
    <name>ws::TXPrint</name>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>le dossier %1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>the folder %1 is not writable</source>
        <translation>le dossier %1 n&apos;est pas accessible en écriture</translation>
    </message>
    <message>
        <source>the file is write-protected</source>
        <translation>le fichier est protégé en écriture</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>le fichier ne peut pas être ouvert</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is no longer installed.</source>
        <translation>L&apos;imprimante « %1 » n&apos;est plus installée.</translation>
    </message>
    <message>
        <source>A print job is already running.</source>
        <translation>Une impression est déjà en cours.</translation>
    </message>
    <message>
        <source>The PDF file &quot;%1&quot; cannot be written: %2.</source>
        <translation>Le fichier PDF « %1 » ne peut pas être écrit : %2.</translation>
    </message>
    <message>
        <source>The print job on &quot;%1&quot; could not be started.</source>
        <translation>L&apos;impression sur « %1 » n&apos;a pas pu démarrer.</translation>
    </message>
    <message>
        <source>No print job is running.</source>
        <translation>Aucune impression n&apos;est en cours.</translation>
    </message>
    <message>
        <source>The print job could not be completed.</source>
        <translation>L&apos;impression n&apos;a pas pu être terminée.</translation>
    </message>
    <message>
        <source>The PDF file &quot;%1&quot; was left empty.</source>
        <translation>Le fichier PDF « %1 » est resté vide.</translation>
    </message>
</context>
</TS>
