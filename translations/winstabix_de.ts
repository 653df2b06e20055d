<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Balance</name>
    <message>
        <source>Enter the mass items: name, mass in g and x in %1.</source>
        <translation>Massen eingeben: Name, Masse in g und x in %1.</translation>
    </message>
    <message>
        <source>Item %1: the mass is not a number of grams.</source>
        <translation>Posten %1: die Masse ist keine Zahl in Gramm.</translation>
    </message>
    <message>
        <source>Item %1: the position x is not a number.</source>
        <translation>Posten %1: die Lage x ist keine Zahl.</translation>
    </message>
    <message>
        <source>Item %1: a mass cannot be negative.</source>
        <translation>Posten %1: eine Masse kann nicht negativ sein.</translation>
    </message>
    <message>
        <source>Enter both supports: x in %1 and the scale&apos;s reading in g.</source>
        <translation>Beide Auflagen eingeben: x in %1 und die Anzeige der Waage in g.</translation>
    </message>
    <message>
        <source>Support %1: the position x and the reading must both be numbers.</source>
        <translation>Auflage %1: Lage x und Anzeige müssen beide Zahlen sein.</translation>
    </message>
    <message>
        <source>Support %1: a scale cannot read less than 0 g.</source>
        <translation>Auflage %1: eine Waage zeigt nicht weniger als 0 g.</translation>
    </message>
    <message>
        <source>Both supports stand at one x: the weighing cannot tell where the centre of gravity is.</source>
        <translation>Beide Auflagen stehen bei einem x: die Wägung ergibt keinen Schwerpunkt.</translation>
    </message>
    <message>
        <source>The masses add up to 0 g: there is no centre of gravity.</source>
        <translation>Die Massen ergeben zusammen 0 g: es gibt keinen Schwerpunkt.</translation>
    </message>
    <message>
        <source>The ballast place is not a number; the frontmost point is taken.</source>
        <translation>Der Ballastort ist keine Zahl; der vorderste Punkt wird genommen.</translation>
    </message>
    <message>
        <source>The weighing gives %1 g, the mass items add up to %2 g: an item is missing or a reading is wrong.</source>
        <translation>Die Wägung ergibt %1 g, die Massen zusammen %2 g: ein Posten fehlt oder eine Anzeige ist falsch.</translation>
    </message>
    <message>
        <source>Item %1 is marked movable but has no mass or position to move.</source>
        <translation>Posten %1 ist verschiebbar markiert, hat aber keine Masse oder Lage.</translation>
    </message>
    <message>
        <source>none needed</source>
        <translation>keiner nötig</translation>
    </message>
    <message>
        <source>cannot help there: tail-heavy, ballast must go ahead of x = %1 %2</source>
        <translation>hilft dort nicht: schwanzlastig, Ballast muss vor x = %1 %2</translation>
    </message>
    <message>
        <source>cannot help there: nose-heavy, ballast must go behind x = %1 %2</source>
        <translation>hilft dort nicht: kopflastig, Ballast muss hinter x = %1 %2</translation>
    </message>
    <message>
        <source>Balance data, line %1: not understood, left out.</source>
        <translation>Auswiegedaten, Zeile %1: nicht verstanden, ausgelassen.</translation>
    </message>
    <message>
        <source>Balance data: the file ends after line %1 without the block&apos;s end line; what was there was read.</source>
        <translation>Auswiegedaten: die Datei endet nach Zeile %1 ohne die Endzeile des Blocks; das Vorhandene wurde gelesen.</translation>
    </message>
    <message>
        <source>Balance data: more than %1 mass items; those from line %2 on were left out.</source>
        <translation>Auswiegedaten: mehr als %1 Massen; die ab Zeile %2 wurden ausgelassen.</translation>
    </message>
    <message>
        <source>Balance data, line %1: a second movable item, read as an ordinary one.</source>
        <translation>Auswiegedaten, Zeile %1: ein zweiter verschiebbarer Posten, als gewöhnlicher gelesen.</translation>
    </message>
    <message>
        <source>within the recommended range</source>
        <translation>im empfohlenen Bereich</translation>
    </message>
    <message>
        <source>nose-heavy by %1 %2</source>
        <translation>kopflastig um %1 %2</translation>
    </message>
    <message>
        <source>tail-heavy by %1 %2</source>
        <translation>schwanzlastig um %1 %2</translation>
    </message>
    <message>
        <source> (behind the neutral point: unstable)</source>
        <translation> (hinter dem Neutralpunkt: instabil)</translation>
    </message>
    <message>
        <source>%1 g at x = %2 %3</source>
        <translation>%1 g bei x = %2 %3</translation>
    </message>
    <message>
        <source>move “%1” to x = %2 %3</source>
        <translation>„%1“ nach x = %2 %3 verschieben</translation>
    </message>
</context>
<context>
    <name>Calculation</name>
    <message>
        <source>Error: </source>
        <translation>Fehler: </translation>
    </message>
    <message>
        <source>Attention:</source>
        <translation>Achtung:</translation>
    </message>
    <message>
        <source>Wings are moved automatically in z-direction!</source>
        <translation>Flügel wurden automatisch in z-Richtung verschoben!</translation>
    </message>
    <message>
        <source>Can not calculate wing-%1. </source>
        <translation>Kann Flügel-%1 nicht berechnen.</translation>
    </message>
    <message>
        <source>Can not calculate this aircraft. </source>
        <translation>Kann dieses Flugzeug nicht berechnen.</translation>
    </message>
    <message>
        <source>Please change this wing (less aspect ratio)!</source>
        <translation>Bitte Streckung verkleinern!</translation>
    </message>
    <message>
        <source>Please change this wing (more aspect ratio)!</source>
        <translation>Bitte Streckung vergrößern!</translation>
    </message>
    <message>
        <source>Please change this wing (it has no area)!</source>
        <translation>Bitte diesen Flügel ändern (keine Fläche)!</translation>
    </message>
    <message>
        <source>Please change this wing (a trapezium has no chord)!</source>
        <translation>Bitte diesen Flügel ändern (Trapez ohne Tiefe)!</translation>
    </message>
    <message>
        <source>Too many panels (%1, at most 3000)!</source>
        <translation>Zu viele Panels (%1, höchstens 3000)!</translation>
    </message>
    <message>
        <source>The result is not finite!</source>
        <translation>Das Ergebnis ist nicht endlich!</translation>
    </message>
    <message>
        <source>Can not calculate Wing %1 / Trapezium%2.</source>
        <translation>Kann Flügel %1 / Trapez %2 nicht berechnen.</translation>
    </message>
    <message>
        <source>Please change this trapezium (more chord length at tip)!</source>
        <translation>Bitte dieses Trapez verändern (Außentiefe größer)!</translation>
    </message>
    <message>
        <source>Please change this wing (it gives no lift)!</source>
        <translation>Bitte diesen Flügel ändern (kein Auftrieb)!</translation>
    </message>
    <message>
        <source>The reference wing has no area or chord!</source>
        <translation>Der Bezugsflügel hat keine Fläche oder Tiefe!</translation>
    </message>
    <message>
        <source>The neutral point lies outside the wings!</source>
        <translation>Der Neutralpunkt liegt außerhalb der Flügel!</translation>
    </message>
    <message>
        <source>The results stored in the file did not belong to this aircraft and were calculated again.</source>
        <translation>Die in der Datei gespeicherten Ergebnisse gehörten nicht zu diesem Flugzeug und wurden neu berechnet.</translation>
    </message>
    <message>
        <source>Converged estimate: the finer lattice was refused; the finest accepted has %1 panels.</source>
        <translation>Konvergierte Schätzung: das feinere Gitter wurde abgelehnt; das feinste angenommene hat %1 Panels.</translation>
    </message>
    <message>
        <source>Not converged: the lattices disagree in direction; the value is the finest lattice&apos;s.</source>
        <translation>Nicht konvergiert: die Gitter widersprechen sich in der Richtung; der Wert ist der des feinsten Gitters.</translation>
    </message>
    <message>
        <source>Not converged: no finer lattice could be calculated; the value is the window&apos;s lattice&apos;s.</source>
        <translation>Nicht konvergiert: kein feineres Gitter ließ sich berechnen; der Wert ist der des Fenstergitters.</translation>
    </message>
    <message>
        <source>The aerodynamic center lies outside this wing!</source>
        <translation>Der Neutralpunkt liegt außerhalb dieses Flügels!</translation>
    </message>
    <message>
        <source>Please change this trapezium (leading edge swept %1°, at most 80°)!</source>
        <translation>Bitte dieses Trapez verändern (Vorderkante %1° gepfeilt, höchstens 80°)!</translation>
    </message>
    <message>
        <source>Please change this trapezium (trailing edge swept %1°, at most 80°)!</source>
        <translation>Bitte dieses Trapez verändern (Hinterkante %1° gepfeilt, höchstens 80°)!</translation>
    </message>
    <message>
        <source>The results stored in the file are incomplete and were calculated again.</source>
        <translation>Die in der Datei gespeicherten Ergebnisse sind unvollständig und wurden neu berechnet.</translation>
    </message>
    <message>
        <source>%1 files were named at start; none was opened. Open one at a time.</source>
        <translation>Beim Start wurden %1 Dateien genannt; keine wurde geöffnet. Bitte nur eine Datei öffnen.</translation>
    </message>
    <message>
        <source>No home folder: settings are not kept.</source>
        <translation>Kein Home-Verzeichnis: Einstellungen werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>The home folder does not exist: settings are not kept.</source>
        <translation>Das Home-Verzeichnis existiert nicht: Einstellungen werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>Wing %1, trapezium 1: span 0 %2.</source>
        <translation>Flügel %1, Trapez 1: Spannweite 0 %2.</translation>
    </message>
    <message>
        <source>Wing %1, trapeziums 1 to %2: span 0 %3.</source>
        <translation>Flügel %1, Trapeze 1 bis %2: Spannweite 0 %3.</translation>
    </message>
    <message>
        <source>A wing needs a span.</source>
        <translation>Ein Flügel braucht eine Spannweite.</translation>
    </message>
    <message>
        <source>Wing %1, trapezium %2: root chord %3 %4.</source>
        <translation>Flügel %1, Trapez %2: Wurzeltiefe %3 %4.</translation>
    </message>
    <message>
        <source>Wing %1, trapezium %2: tip chord %3 %4.</source>
        <translation>Flügel %1, Trapez %2: Außentiefe %3 %4.</translation>
    </message>
    <message>
        <source>A trapezium needs a chord at both ends.</source>
        <translation>Ein Trapez braucht an beiden Enden eine Tiefe.</translation>
    </message>
    <message>
        <source>TRIM9: Error. itmax is%1 , no calculation possible//</source>
        <translation>TRIM9: Fehler. itmax ist%1 , keine Berechnung moeglich//</translation>
    </message>
    <message>
        <source> TRIM9M: The system of equations cannot be solved //</source>
        <translation> TRIM9M: Das Gleichungssystem ist nicht loesbar //</translation>
    </message>
    <message>
        <source>EINFLUSS: The influence matrix could not be built</source>
        <translation>EINFLUSS: Irgend ein Kuddel-Muddel</translation>
    </message>
    <message>
        <source>LOES: Error while solving the system of equations </source>
        <translation>LOES: Fehler beim Loesen des Gleichungssystems </translation>
    </message>
    <message>
        <source>LOES: Error...</source>
        <translation>LOES: Fehler...</translation>
    </message>
    <message>
        <source>The unsaved changes could not be kept for recovery after a crash.</source>
        <translation>Die ungesicherten Änderungen konnten nicht für eine Wiederherstellung nach einem Absturz aufbewahrt werden.</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>Wing</source>
        <translation>Flügel</translation>
    </message>
</context>
<context>
    <name>ExportCommands</name>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Planform drawing (SVG)…</source>
        <translation>Grundriss-Zeichnung (SVG)…</translation>
    </message>
    <message>
        <source>Planform drawing (DXF)…</source>
        <translation>Grundriss-Zeichnung (DXF)…</translation>
    </message>
    <message>
        <source>AVL input file…</source>
        <translation>AVL-Eingabedatei…</translation>
    </message>
    <message>
        <source>Print template (1:1)…</source>
        <translation>Schablone drucken (1:1)…</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG-Zeichnung (*.svg)</translation>
    </message>
    <message>
        <source>DXF drawing (*.dxf)</source>
        <translation>DXF-Zeichnung (*.dxf)</translation>
    </message>
    <message>
        <source>AVL input (*.avl)</source>
        <translation>AVL-Eingabe (*.avl)</translation>
    </message>
    <message>
        <source>The file was not exported.</source>
        <translation>Die Datei wurde nicht exportiert.</translation>
    </message>
    <message>
        <source>Template (1:1)</source>
        <translation>Schablone (1:1)</translation>
    </message>
    <message>
        <source>Wing %1</source>
        <translation>Flügel %1</translation>
    </message>
    <message>
        <source>Wing:</source>
        <translation>Flügel:</translation>
    </message>
    <message>
        <source>Both halves</source>
        <translation>Beide Hälften</translation>
    </message>
    <message>
        <source>One half with the centre line</source>
        <translation>Eine Hälfte mit der Mittellinie</translation>
    </message>
</context>
<context>
    <name>Print</name>
    <message>
        <source>The template would take %1 sheets, more than %2: it is not printed.</source>
        <translation>Die Schablone bräuchte %1 Blätter, mehr als %2: sie wird nicht gedruckt.</translation>
    </message>
</context>
<context>
    <name>Stability</name>
    <message>
        <source>x_cg (%1%): %2%3</source>
        <translation>x_SP (%1%): %2%3</translation>
    </message>
    <message>
        <source>Reference area (S): %1</source>
        <translation>Bezugsfläche (S): %1</translation>
    </message>
    <message>
        <source>Reference length (lm): %1%2</source>
        <translation>Bezugstiefe (lm): %1%2</translation>
    </message>
    <message>
        <source>x_ac: %1%2</source>
        <translation>x_NP: %1%2</translation>
    </message>
    <message>
        <source>x_ac: %1 ± %2%3</source>
        <translation>x_NP: %1 ± %2%3</translation>
    </message>
    <message>
        <source>x_cg now: %1%2</source>
        <translation>x_SP jetzt: %1%2</translation>
    </message>
    <message>
        <source>= %1% lm</source>
        <translation>= %1% lm</translation>
    </message>
    <message>
        <source>lm leading edge: %1%2</source>
        <translation>Vorderkante lm: %1%2</translation>
    </message>
    <message>
        <source>Attention: a static margin of %1% lies outside %2 to %3%; it is used as typed.</source>
        <translation>Achtung: ein Stabilitätsmaß von %1% liegt außerhalb von %2 bis %3%; es wird wie eingegeben verwendet.</translation>
    </message>
</context>
<context>
    <name>Study</name>
    <message>
        <source>Unknown parameter &quot;%1&quot;: use wN.chordK, wN.spanK, wN.offsetK, wN.gap, wN.x, wN.z or wN.scale (N the wing, K the station or trapezium).</source>
        <translation>Unbekannter Parameter „%1“: wN.chordK, wN.spanK, wN.offsetK, wN.gap, wN.x, wN.z oder wN.scale verwenden (N der Flügel, K die Station oder das Trapez).</translation>
    </message>
    <message>
        <source>Wing %1 is not in use (wings in use: 1 to %2).</source>
        <translation>Flügel %1 ist nicht in Gebrauch (Flügel in Gebrauch: 1 bis %2).</translation>
    </message>
    <message>
        <source>Wing %1 has no station %2: its stations are 1 to %3.</source>
        <translation>Flügel %1 hat keine Station %2: seine Stationen sind 1 bis %3.</translation>
    </message>
    <message>
        <source>Wing %1 has no trapezium %2: it has %3.</source>
        <translation>Flügel %1 hat kein Trapez %2: er hat %3.</translation>
    </message>
    <message>
        <source>A study takes %1 to %2 steps, not %3.</source>
        <translation>Eine Studie hat %1 bis %2 Schritte, nicht %3.</translation>
    </message>
    <message>
        <source>The range needs two numbers, not &quot;%1&quot;.</source>
        <translation>Der Bereich braucht zwei Zahlen, nicht „%1“.</translation>
    </message>
    <message>
        <source>Negative length: its absolute value is used.</source>
        <translation>Negative Länge: ihr Betrag wird verwendet.</translation>
    </message>
    <message>
        <source>Wing %1: chord at station %2</source>
        <translation>Flügel %1: Flügeltiefe an Station %2</translation>
    </message>
    <message>
        <source>Wing %1: span of trapezium %2</source>
        <translation>Flügel %1: Spannweite von Trapez %2</translation>
    </message>
    <message>
        <source>Wing %1: leading-edge offset at station %2</source>
        <translation>Flügel %1: Vorderkantenversatz an Station %2</translation>
    </message>
    <message>
        <source>Wing %1: centre gap</source>
        <translation>Flügel %1: Mittelspalt</translation>
    </message>
    <message>
        <source>Wing %1: position x (tail arm)</source>
        <translation>Flügel %1: Position x (Leitwerkshebel)</translation>
    </message>
    <message>
        <source>Wing %1: height z</source>
        <translation>Flügel %1: Höhe z</translation>
    </message>
    <message>
        <source>Wing %1: size (chords, spans and offsets)</source>
        <translation>Flügel %1: Größe (Tiefen, Spannweiten und Versätze)</translation>
    </message>
    <message>
        <source>Cancelled after %1 of %2 variants.</source>
        <translation>Abgebrochen nach %1 von %2 Varianten.</translation>
    </message>
    <message>
        <source>x (rearwards)</source>
        <translation>x (nach hinten)</translation>
    </message>
    <message>
        <source>Static margin, %</source>
        <translation>Stabilitätsmaß, %</translation>
    </message>
    <message>
        <source>Recommended centre of gravity</source>
        <translation>Empfohlener Schwerpunkt</translation>
    </message>
    <message>
        <source>Neutral point</source>
        <translation>Neutralpunkt</translation>
    </message>
    <message>
        <source>Desired centre of gravity</source>
        <translation>Gewünschter Schwerpunkt</translation>
    </message>
    <message>
        <source>Centre of gravity as built</source>
        <translation>Schwerpunkt wie gebaut</translation>
    </message>
    <message>
        <source>Static margin</source>
        <translation>Stabilitätsmaß</translation>
    </message>
    <message>
        <source>Variants (click: adopt)</source>
        <translation>Varianten (Klick: übernehmen)</translation>
    </message>
    <message>
        <source>Refused</source>
        <translation>Abgelehnt</translation>
    </message>
    <message>
        <source>Current value</source>
        <translation>Aktueller Wert</translation>
    </message>
    <message>
        <source>Neutral point %1, recommended range %2 to %3</source>
        <translation>Neutralpunkt %1, empfohlener Bereich %2 bis %3</translation>
    </message>
    <message>
        <source>desired %1</source>
        <translation>gewünscht %1</translation>
    </message>
    <message>
        <source>As built %1</source>
        <translation>Wie gebaut %1</translation>
    </message>
    <message>
        <source>static margin %1 %</source>
        <translation>Stabilitätsmaß %1 %</translation>
    </message>
    <message>
        <source>Adopted: %1 (Undo takes it back).</source>
        <translation>Übernommen: %1 (Rückgängig nimmt es zurück).</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>%1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>Kommagetrennte Werte (*.csv)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG-Zeichnung (*.svg)</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>Written: %1</source>
        <translation>Geschrieben: %1</translation>
    </message>
    <message>
        <source>Parameter study</source>
        <translation>Parameterstudie</translation>
    </message>
    <message>
        <source>Parameter:</source>
        <translation>Parameter:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Von:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Bis:</translation>
    </message>
    <message>
        <source>Steps:</source>
        <translation>Schritte:</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>CSV exportieren…</translation>
    </message>
    <message>
        <source>Export SVG…</source>
        <translation>SVG exportieren…</translation>
    </message>
    <message>
        <source>Export PNG…</source>
        <translation>PNG exportieren…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Drucken…</translation>
    </message>
    <message>
        <source>Compare with %1</source>
        <translation>Vergleich mit %1</translation>
    </message>
    <message>
        <source>Wing %1: span, %2</source>
        <translation>Flügel %1: Spannweite, %2</translation>
    </message>
    <message>
        <source>Wing %1: area, %2</source>
        <translation>Flügel %1: Fläche, %2</translation>
    </message>
    <message>
        <source>Wing %1: mean chord, %2</source>
        <translation>Flügel %1: mittlere Flügeltiefe, %2</translation>
    </message>
    <message>
        <source>Neutral point, %1</source>
        <translation>Neutralpunkt, %1</translation>
    </message>
    <message>
        <source>Centre of gravity, front, %1</source>
        <translation>Schwerpunkt, vorn, %1</translation>
    </message>
    <message>
        <source>Centre of gravity, rear, %1</source>
        <translation>Schwerpunkt, hinten, %1</translation>
    </message>
    <message>
        <source>This aircraft</source>
        <translation>Dieses Flugzeug</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>Solid: this aircraft; dashed: %1. Read-only.</source>
        <translation>Durchgezogen: dieses Flugzeug; gestrichelt: %1. Nur lesen.</translation>
    </message>
</context>
<context>
    <name>SummaryPage</name>
    <message>
        <source>wing span:</source>
        <translation>Spannweite:</translation>
    </message>
    <message>
        <source>wing area:</source>
        <translation>Flächeninhalt:</translation>
    </message>
    <message>
        <source>aspect ratio:</source>
        <translation>Streckung:</translation>
    </message>
    <message>
        <source>mean aerod. chord:</source>
        <translation>Bezugstiefe:</translation>
    </message>
    <message>
        <source>geometric center:</source>
        <translation>Geom. Neutralpunkt:</translation>
    </message>
    <message>
        <source>aerodynamic center:</source>
        <translation>Aerod. Neutralpunkt:</translation>
    </message>
    <message>
        <source>lift slope:</source>
        <translation>Auftriebsanstieg:</translation>
    </message>
    <message>
        <source>Wing%1:</source>
        <translation>Wing%1:</translation>
    </message>
    <message>
        <source>Summary:</source>
        <translation>Summary:</translation>
    </message>
    <message>
        <source>Recommended center of gravity by stab =  </source>
        <translation>Empfohlener Schwerpunkt bei Stabilität =  </translation>
    </message>
    <message>
        <source>recomemnded center of gravity by stab =  </source>
        <translation>Empfohlener Schwerpunkt bei Stabilität =  </translation>
    </message>
    <message>
        <source>Center of gravity by stab = </source>
        <translation>Schwerpunkt bei Stabilität = </translation>
    </message>
    <message>
        <source>aerodynamic center: </source>
        <translation>Neutralpunkt:        </translation>
    </message>
    <message>
        <source>Balance:</source>
        <translation>Auswiegen:</translation>
    </message>
    <message>
        <source>mass of the model:</source>
        <translation>Masse des Modells:</translation>
    </message>
    <message>
        <source>center of gravity:</source>
        <translation>Schwerpunkt:</translation>
    </message>
    <message>
        <source>in % of the ref. chord:</source>
        <translation>in % der Bezugstiefe:</translation>
    </message>
    <message>
        <source>static margin:</source>
        <translation>Stabilitätsmaß:</translation>
    </message>
    <message>
        <source>status:</source>
        <translation>Zustand:</translation>
    </message>
    <message>
        <source>ballast:</source>
        <translation>Ballast:</translation>
    </message>
    <message>
        <source>movable item:</source>
        <translation>verschiebbarer Posten:</translation>
    </message>
    <message>
        <source>%1 % lm</source>
        <translation>%1 % lm</translation>
    </message>
    <message>
        <source>leading edge of lm: </source>
        <translation>Vorderkante lm: </translation>
    </message>
</context>
<context>
    <name>Views</name>
    <message>
        <source>flight direction</source>
        <translation>Flugrichtung</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>wing span (b):</source>
        <translation>Spannweite (b):</translation>
    </message>
    <message>
        <source>wing area (s):</source>
        <translation>Flächeninhalt (s):</translation>
    </message>
    <message>
        <source>mean aerod. chord (lm):</source>
        <translation>Bezugstiefe (lm):</translation>
    </message>
    <message>
        <source>geometric center (r25):</source>
        <translation>Geometr. Neutralpunkt (r25):</translation>
    </message>
    <message>
        <source>aspect ratio (lam):</source>
        <translation>Streckung [lam):</translation>
    </message>
    <message>
        <source>aerodynamic center (anp):</source>
        <translation>Aerodynamischer NP (anp):</translation>
    </message>
    <message>
        <source>1 trapezium</source>
        <translation>1 Trapez</translation>
    </message>
    <message>
        <source>2 trapeziums</source>
        <translation>2 Trapeze</translation>
    </message>
    <message>
        <source>3 trapeziums</source>
        <translation>3 Trapeze</translation>
    </message>
    <message>
        <source>4 trapeziums</source>
        <translation>4 Trapeze</translation>
    </message>
    <message>
        <source>Desired Static Stability:</source>
        <translation>Gewünschte stat. Längsstabilität:</translation>
    </message>
    <message>
        <source>Positioning</source>
        <translation>Anordnung</translation>
    </message>
    <message>
        <source>- calculation is running -</source>
        <translation>  - Berechnung läuft - </translation>
    </message>
    <message>
        <source>Calculate Aerodynamic Center</source>
        <translation>Berechnung Neutralpunkt</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>  Wing 1 </source>
        <translation> Flügel 1 </translation>
    </message>
    <message>
        <source>  Wing 2 </source>
        <translation> Flügel 2 </translation>
    </message>
    <message>
        <source>  Wing 3 </source>
        <translation> Flügel 3 </translation>
    </message>
    <message>
        <source>  Aircraft  </source>
        <translation> Flugzeug </translation>
    </message>
    <message>
        <source> Remarks </source>
        <translation> Bemerkungen </translation>
    </message>
    <message>
        <source>1 Wing</source>
        <translation>1 Flügel</translation>
    </message>
    <message>
        <source>2 Wings</source>
        <translation>2 Flügel</translation>
    </message>
    <message>
        <source>3 Wings</source>
        <translation>3 Flügel</translation>
    </message>
    <message>
        <source>Automatic choice of stability</source>
        <translation>Automat. Wahl der Stabilität</translation>
    </message>
    <message>
        <source>Manual choice of stability</source>
        <translation>Manuelle Wahl der Stabilität</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Speichern als</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Wing 1</source>
        <translation>Flügel-1</translation>
    </message>
    <message>
        <source>Wing 2</source>
        <translation>Flügel-2</translation>
    </message>
    <message>
        <source>Wing 3</source>
        <translation>Flügel-3</translation>
    </message>
    <message>
        <source>Aircraft</source>
        <translation>Flugzeug</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Centre gap of wing %1, %9</source>
        <translation>Mittenspalt von Flügel %1, %9</translation>
    </message>
    <message>
        <source>Span of trapezium %2 of wing %1, %9</source>
        <translation>Spannweite von Trapez %2, Flügel %1, %9</translation>
    </message>
    <message>
        <source>Tip chord of trapezium %2 of wing %1, %9</source>
        <translation>Außentiefe von Trapez %2, Flügel %1, %9</translation>
    </message>
    <message>
        <source>Leading-edge offset at the tip of trapezium %2 of wing %1, %9</source>
        <translation>Versatz der Vorderkante am Ende von Trapez %2, Flügel %1, %9</translation>
    </message>
    <message>
        <source>Root chord of wing %1, %9</source>
        <translation>Wurzeltiefe von Flügel %1, %9</translation>
    </message>
    <message>
        <source>Position x of wing %1, %9</source>
        <translation>Lage x von Flügel %1, %9</translation>
    </message>
    <message>
        <source>Height z of wing %1, %9</source>
        <translation>Höhe z von Flügel %1, %9</translation>
    </message>
    <message>
        <source>Planform of wing %1</source>
        <translation>Grundriss von Flügel %1</translation>
    </message>
    <message>
        <source>Dimension sketch of wing %1</source>
        <translation>Maßskizze von Flügel %1</translation>
    </message>
    <message>
        <source>Position sketch of wing %1</source>
        <translation>Lageskizze von Flügel %1</translation>
    </message>
    <message>
        <source>Desired static stability, %</source>
        <translation>Gewünschte statische Stabilität, %</translation>
    </message>
    <message>
        <source>Error messages</source>
        <translation>Fehlermeldungen</translation>
    </message>
    <message>
        <source>Remarks</source>
        <translation>Bemerkungen</translation>
    </message>
    <message>
        <source>Top view of the aircraft</source>
        <translation>Draufsicht des Flugzeugs</translation>
    </message>
    <message>
        <source>3-D view of the aircraft</source>
        <translation>3-D-Ansicht des Flugzeugs</translation>
    </message>
    <message>
        <source>Elevation of the 3-D view</source>
        <translation>Höhenwinkel der 3-D-Ansicht</translation>
    </message>
    <message>
        <source>Azimuth of the 3-D view</source>
        <translation>Seitenwinkel der 3-D-Ansicht</translation>
    </message>
    <message>
        <source>Zoom of the top view</source>
        <translation>Vergrößerung der Draufsicht</translation>
    </message>
    <message>
        <source>Zoom of the 3-D view</source>
        <translation>Vergrößerung der 3-D-Ansicht</translation>
    </message>
    <message>
        <source>   WinStabix calculates the aerodynamic center   </source>
        <translation>   WinStabix berechnet den Neutralpunkt eines   </translation>
    </message>
    <message>
        <source>of an aircraft and suggests a suitable</source>
        <translation>Flugzeugs und schlägt einen günstigen </translation>
    </message>
    <message>
        <source>range for the center of gravity</source>
        <translation>Bereich für die Schwerpunktlage vor</translation>
    </message>
    <message>
        <source>Idea and Formulas: the WinStabix authors</source>
        <translation>Idee und Formeln: die WinStabix-Autoren</translation>
    </message>
    <message>
        <source>Realization: the WinStabix authors</source>
        <translation>Umsetzung: die WinStabix-Autoren</translation>
    </message>
    <message>
        <source>Wing-%1  </source>
        <translation>Flügel-%1</translation>
    </message>
    <message>
        <source>Are you sure this wing shall </source>
        <translation>Sind Sie sicher, dass dieser Flügel in</translation>
    </message>
    <message>
        <source>have a gap in the middle?</source>
        <translation>der Mitte eine Lücke haben soll?</translation>
    </message>
    <message>
        <source>insert your remarks her:</source>
        <translation>Bemerkungen können in diesem Feld eingegeben werden:</translation>
    </message>
    <message>
        <source>The aircraft was not saved.</source>
        <translation>Das Flugzeug wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Open File</translation>
    </message>
    <message>
        <source>Save File as</source>
        <translation>Save File as</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Save File</translation>
    </message>
    <message>
        <source>Calc</source>
        <translation>Calc</translation>
    </message>
    <message>
        <source>Print</source>
        <comment>tool button hint</comment>
        <translation>Print</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Zuletzt verwendet</translation>
    </message>
    <message>
        <source>Drag on the planform of wing %1</source>
        <translation>Ziehen am Grundriss von Flügel %1</translation>
    </message>
    <message>
        <source>Heights moved by the calculation</source>
        <translation>Von der Berechnung verschobene Höhen</translation>
    </message>
    <message>
        <source>Trapezium count of wing %1</source>
        <translation>Trapezanzahl von Flügel %1</translation>
    </message>
    <message>
        <source>Wing count</source>
        <translation>Flügelanzahl</translation>
    </message>
    <message>
        <source>The aircraft has changes that are not saved. Save them first?</source>
        <translation>Das Flugzeug hat ungespeicherte Änderungen. Zuerst speichern?</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The aircraft file was not opened.</source>
        <translation>Die Flugzeugdatei wurde nicht geöffnet.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is no longer there; it is taken off the list.</source>
        <translation>Die Datei &quot;%1&quot; gibt es nicht mehr; sie wird aus der Liste genommen.</translation>
    </message>
    <message>
        <source>%1 character(s) of the remarks cannot be stored in an aircraft file and were saved as &quot;?&quot;.</source>
        <translation>%1 Zeichen der Bemerkungen kann eine Flugzeugdatei nicht speichern; sie wurden als &quot;?&quot; gespeichert.</translation>
    </message>
    <message>
        <source>Converged neutral point</source>
        <translation>Konvergierter Neutralpunkt</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened or saved. Overwrite it?</source>
        <translation>%1 wurde seit dem Öffnen oder Speichern von einem anderen Programm geändert. Überschreiben?</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Überschreiben</translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation>Speichern unter…</translation>
    </message>
    <message>
        <source>Name of mass item %1</source>
        <translation>Name von Masse %1</translation>
    </message>
    <message>
        <source>Mass of item %1, g</source>
        <translation>Masse von Posten %1, g</translation>
    </message>
    <message>
        <source>Position x of item %1, %9</source>
        <translation>Lage x von Posten %1, %9</translation>
    </message>
    <message>
        <source>Position x of support %1, %9</source>
        <translation>Lage x von Auflage %1, %9</translation>
    </message>
    <message>
        <source>Scale reading of support %1, g</source>
        <translation>Waagenanzeige von Auflage %1, g</translation>
    </message>
    <message>
        <source>Ballast place x, %9</source>
        <translation>Ballastort x, %9</translation>
    </message>
    <message>
        <source>Balance method</source>
        <translation>Auswiegeverfahren</translation>
    </message>
    <message>
        <source>New mass item</source>
        <translation>Neue Masse</translation>
    </message>
    <message>
        <source>Removal of mass item %1</source>
        <translation>Entfernen von Masse %1</translation>
    </message>
    <message>
        <source>Order of the mass items</source>
        <translation>Reihenfolge der Massen</translation>
    </message>
    <message>
        <source>Movable item</source>
        <translation>Verschiebbarer Posten</translation>
    </message>
    <message>
        <source>Calculate the aerodynamic center for the margin, the status and the ballast.</source>
        <translation>Neutralpunkt berechnen für Stabilitätsmaß, Zustand und Ballast.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
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
        <translation>Verschiebbar</translation>
    </message>
    <message>
        <source>Mass items</source>
        <translation>Massen</translation>
    </message>
    <message>
        <source>Ballast place x, %9; empty: the frontmost point of the aircraft (shown greyed)</source>
        <translation>Ballastort x, %9; leer: der vorderste Punkt des Flugzeugs (grau gezeigt)</translation>
    </message>
    <message>
        <source>Tail volume V = S · |x + r25 − (x1 + r25_1)| / (S1 · lm1) against wing 1; usual for a tail plane: %1 to %2</source>
        <translation>Leitwerksvolumen V = S · |x + r25 − (x1 + r25_1)| / (S1 · lm1) gegen Flügel 1; üblich für ein Höhenleitwerk: %1 bis %2</translation>
    </message>
    <message>
        <source>tail volume %1</source>
        <translation>LW-Volumen %1</translation>
    </message>
    <message>
        <source>Tail volume of wing %1</source>
        <translation>Leitwerksvolumen von Flügel %1</translation>
    </message>
    <message>
        <source> Balance </source>
        <translation> Auswiegen </translation>
    </message>
    <message>
        <source>Mass items (x rearwards from the root of wing 1):</source>
        <translation>Massen (x nach hinten ab der Wurzel von Flügel 1):</translation>
    </message>
    <message>
        <source>Weighing on two supports:</source>
        <translation>Wägung auf zwei Auflagen:</translation>
    </message>
    <message>
        <source>reading, g</source>
        <translation>Anzeige, g</translation>
    </message>
    <message>
        <source>Support 1:</source>
        <translation>Auflage 1:</translation>
    </message>
    <message>
        <source>Support 2:</source>
        <translation>Auflage 2:</translation>
    </message>
    <message>
        <source>Ballast place x, %9:</source>
        <translation>Ballastort x, %9:</translation>
    </message>
    <message>
        <source>The model as built:</source>
        <translation>Das Modell wie gebaut:</translation>
    </message>
    <message>
        <source>total mass:</source>
        <translation>Gesamtmasse:</translation>
    </message>
    <message>
        <source>centre of gravity x:</source>
        <translation>Schwerpunkt x:</translation>
    </message>
    <message>
        <source>in % of the reference chord:</source>
        <translation>in % der Bezugstiefe:</translation>
    </message>
    <message>
        <source>static margin:</source>
        <translation>Stabilitätsmaß:</translation>
    </message>
    <message>
        <source>target (recommended):</source>
        <translation>Ziel (empfohlen):</translation>
    </message>
    <message>
        <source>ballast:</source>
        <translation>Ballast:</translation>
    </message>
    <message>
        <source>movable item:</source>
        <translation>verschiebbarer Posten:</translation>
    </message>
    <message>
        <source>Weighing on two supports</source>
        <translation>Wägung auf zwei Auflagen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>Beispiele</translation>
    </message>
    <message>
        <source>Span b from tip to tip, the centre gap included.</source>
        <translation>Spannweite b von Spitze zu Spitze, mit dem Mittelspalt.</translation>
    </message>
    <message>
        <source>Area s of both halves, without the centre gap.</source>
        <translation>Fläche s beider Hälften, ohne den Mittelspalt.</translation>
    </message>
    <message>
        <source>Mean aerodynamic chord lm: the chord averaged over the span, each chord weighted by itself. The static margin is given in % of it.</source>
        <translation>Bezugstiefe lm: die über die Spannweite gemittelte Tiefe, jede Tiefe mit sich selbst gewichtet. Das Stabilitätsmaß wird in % davon angegeben.</translation>
    </message>
    <message>
        <source>Geometric neutral point r25: the quarter point of lm, measured rearwards from the wing&apos;s root leading edge.</source>
        <translation>Geometrischer Neutralpunkt r25: der Viertelpunkt von lm, nach hinten gemessen von der Nasenleiste an der Flügelwurzel.</translation>
    </message>
    <message>
        <source>Aspect ratio lam = b² / s.</source>
        <translation>Streckung lam = b² / s.</translation>
    </message>
    <message>
        <source>Aerodynamic centre anp of this wing in the whole aircraft, from the vortex-lattice calculation, measured rearwards from its root leading edge.</source>
        <translation>Aerodynamischer Neutralpunkt anp dieses Flügels im ganzen Flugzeug, aus der Wirbelgitterrechnung, nach hinten gemessen von seiner Nasenleiste an der Wurzel.</translation>
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
        <translation>Nach einer Berechnung:
Vorderkante lm: x der Vorderkante der Bezugstiefe lm des Bezugsflügels.
Bezugsfläche S und Bezugstiefe lm: die des Bezugsflügels, des Flügels größter Spannweite.
x_SP (16%): der Schwerpunkt für ein Stabilitätsmaß von 16 % von lm vor dem Neutralpunkt;
= 13.2% lm: dieselbe Lage, 13.2 % von lm hinter der Vorderkante von lm.
x_NP: der Neutralpunkt des ganzen Flugzeugs.
Jedes x wird nach hinten von der Nasenleiste an der Wurzel von Flügel 1 gemessen.
Ein Klick vergrößert die Ansicht oder gibt ihr die alte Größe; Ziehen nach unten vergrößert sie, solange die Taste gedrückt bleibt.</translation>
    </message>
    <message>
        <source>Read as %1 %2.</source>
        <translation>Gelesen als %1 %2.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Restore the unsaved changes of %1 from %2?</source>
        <translation>Die ungesicherten Änderungen von %1 vom %2 wiederherstellen?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Später</translation>
    </message>
    <message>
        <source>%1 was changed by another program. Open it again?</source>
        <translation>%1 wurde von einem anderen Programm geändert. Neu öffnen?</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Behalten</translation>
    </message>
    <message>
        <source>Value of wing %1 from the parameter study</source>
        <translation>Wert von Flügel %1 aus der Parameterstudie</translation>
    </message>
    <message>
        <source>Parameter study…</source>
        <translation>Parameterstudie…</translation>
    </message>
    <message>
        <source>Compare with…</source>
        <translation>Vergleichen mit…</translation>
    </message>
    <message>
        <source>Aircraft (*.da4)</source>
        <translation>Flugzeug (*.da4)</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Einheiten</translation>
    </message>
    <message>
        <source>Millimetres (mm)</source>
        <translation>Millimeter (mm)</translation>
    </message>
    <message>
        <source>Centimetres (cm)</source>
        <translation>Zentimeter (cm)</translation>
    </message>
    <message>
        <source>Inches (in, areas in in²)</source>
        <translation>Zoll (in, Flächen in in²)</translation>
    </message>
</context>
<context>
    <name>ws::RemarksPage</name>
    <message>
        <source>These remarks are too long to edit here (%1 characters). They are kept and saved as they are. They begin:</source>
        <translation>Diese Bemerkungen sind zu lang, um sie hier zu bearbeiten (%1 Zeichen). Sie bleiben erhalten und werden unverändert gespeichert. Sie beginnen so:</translation>
    </message>
</context>
<context>
    <name>ws::TForm3</name>
    <message>
        <source>Print to PDF file</source>
        <translation>In PDF-Datei drucken</translation>
    </message>
    <message>
        <source>Written to the PDF file %1</source>
        <translation>In die PDF-Datei %1 geschrieben</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Printer</translation>
    </message>
    <message>
        <source>Printer resolution:</source>
        <translation>Printer resolution:</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Auflösung</source>
        <comment>the design&apos;s header, German in English too</comment>
        <translation>Auflösung</translation>
    </message>
    <message>
        <source>No printer is installed. The page can only be written to a PDF file.</source>
        <translation>Es ist kein Drucker eingerichtet. Die Seite kann nur in eine PDF-Datei geschrieben werden.</translation>
    </message>
    <message>
        <source>PDF file</source>
        <translation>PDF-Datei</translation>
    </message>
    <message>
        <source>default %1dpi</source>
        <translation>Standard %1dpi</translation>
    </message>
    <message>
        <source>The printer reports no resolutions; its default resolution is used.</source>
        <translation>Der Drucker meldet keine Auflösungen; seine Standardauflösung wird verwendet.</translation>
    </message>
    <message>
        <source>No printer is installed, so nothing can be printed.</source>
        <translation>Es ist kein Drucker eingerichtet, daher kann nichts gedruckt werden.</translation>
    </message>
    <message>
        <source>There is no page to print.</source>
        <translation>Es gibt keine Seite zu drucken.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; reports no resolution; nothing was printed.</source>
        <translation>Der Drucker „%1“ meldet keine Auflösung; es wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>Choose a printer resolution first; nothing was printed.</source>
        <translation>Zuerst eine Druckerauflösung wählen; es wurde nichts gedruckt.</translation>
    </message>
</context>
<context>
    <name>ws::TXPrint</name>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>der Ordner %1 existiert nicht</translation>
    </message>
    <message>
        <source>the folder %1 is not writable</source>
        <translation>in den Ordner %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the file is write-protected</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>die Datei kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is no longer installed.</source>
        <translation>Der Drucker „%1“ ist nicht mehr eingerichtet.</translation>
    </message>
    <message>
        <source>A print job is already running.</source>
        <translation>Es läuft bereits ein Druckauftrag.</translation>
    </message>
    <message>
        <source>The PDF file &quot;%1&quot; cannot be written: %2.</source>
        <translation>Die PDF-Datei „%1“ kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>The print job on &quot;%1&quot; could not be started.</source>
        <translation>Der Druckauftrag auf „%1“ konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>No print job is running.</source>
        <translation>Es läuft kein Druckauftrag.</translation>
    </message>
    <message>
        <source>The print job could not be completed.</source>
        <translation>Der Druckauftrag konnte nicht abgeschlossen werden.</translation>
    </message>
    <message>
        <source>The PDF file &quot;%1&quot; was left empty.</source>
        <translation>Die PDF-Datei „%1“ blieb leer.</translation>
    </message>
</context>
</TS>
