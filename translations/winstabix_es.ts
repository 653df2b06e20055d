<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Balance</name>
    <message>
        <source>Enter the mass items: name, mass in g and x in %1.</source>
        <translation>Introduzca las masas: nombre, masa en g y x en %1.</translation>
    </message>
    <message>
        <source>Item %1: the mass is not a number of grams.</source>
        <translation>Elemento %1: la masa no es un número de gramos.</translation>
    </message>
    <message>
        <source>Item %1: the position x is not a number.</source>
        <translation>Elemento %1: la posición x no es un número.</translation>
    </message>
    <message>
        <source>Item %1: a mass cannot be negative.</source>
        <translation>Elemento %1: una masa no puede ser negativa.</translation>
    </message>
    <message>
        <source>Enter both supports: x in %1 and the scale&apos;s reading in g.</source>
        <translation>Introduzca los dos apoyos: x en %1 y la lectura de la báscula en g.</translation>
    </message>
    <message>
        <source>Support %1: the position x and the reading must both be numbers.</source>
        <translation>Apoyo %1: la posición x y la lectura deben ser números.</translation>
    </message>
    <message>
        <source>Support %1: a scale cannot read less than 0 g.</source>
        <translation>Apoyo %1: una báscula no puede marcar menos de 0 g.</translation>
    </message>
    <message>
        <source>Both supports stand at one x: the weighing cannot tell where the centre of gravity is.</source>
        <translation>Los dos apoyos están en la misma x: el pesaje no puede situar el centro de gravedad.</translation>
    </message>
    <message>
        <source>The masses add up to 0 g: there is no centre of gravity.</source>
        <translation>Las masas suman 0 g: no hay centro de gravedad.</translation>
    </message>
    <message>
        <source>The ballast place is not a number; the frontmost point is taken.</source>
        <translation>El lugar del lastre no es un número; se toma el punto más adelantado.</translation>
    </message>
    <message>
        <source>The weighing gives %1 g, the mass items add up to %2 g: an item is missing or a reading is wrong.</source>
        <translation>El pesaje da %1 g, las masas suman %2 g: falta un elemento o una lectura es errónea.</translation>
    </message>
    <message>
        <source>Item %1 is marked movable but has no mass or position to move.</source>
        <translation>El elemento %1 está marcado como móvil pero no tiene masa o posición que mover.</translation>
    </message>
    <message>
        <source>none needed</source>
        <translation>no hace falta</translation>
    </message>
    <message>
        <source>cannot help there: tail-heavy, ballast must go ahead of x = %1 %2</source>
        <translation>no sirve ahí: pesado de cola, el lastre debe ir delante de x = %1 %2</translation>
    </message>
    <message>
        <source>cannot help there: nose-heavy, ballast must go behind x = %1 %2</source>
        <translation>no sirve ahí: pesado de morro, el lastre debe ir detrás de x = %1 %2</translation>
    </message>
    <message>
        <source>Balance data, line %1: not understood, left out.</source>
        <translation>Datos de centrado, línea %1: no entendida, omitida.</translation>
    </message>
    <message>
        <source>Balance data: the file ends after line %1 without the block&apos;s end line; what was there was read.</source>
        <translation>Datos de centrado: el archivo termina tras la línea %1 sin la línea final del bloque; se leyó lo que había.</translation>
    </message>
    <message>
        <source>Balance data: more than %1 mass items; those from line %2 on were left out.</source>
        <translation>Datos de centrado: más de %1 masas; se omitieron las de la línea %2 en adelante.</translation>
    </message>
    <message>
        <source>Balance data, line %1: a second movable item, read as an ordinary one.</source>
        <translation>Datos de centrado, línea %1: un segundo elemento móvil, leído como uno normal.</translation>
    </message>
    <message>
        <source>within the recommended range</source>
        <translation>dentro del rango recomendado</translation>
    </message>
    <message>
        <source>nose-heavy by %1 %2</source>
        <translation>pesado de morro por %1 %2</translation>
    </message>
    <message>
        <source>tail-heavy by %1 %2</source>
        <translation>pesado de cola por %1 %2</translation>
    </message>
    <message>
        <source> (behind the neutral point: unstable)</source>
        <translation> (detrás del punto neutro: inestable)</translation>
    </message>
    <message>
        <source>%1 g at x = %2 %3</source>
        <translation>%1 g en x = %2 %3</translation>
    </message>
    <message>
        <source>move “%1” to x = %2 %3</source>
        <translation>mover «%1» a x = %2 %3</translation>
    </message>
</context>
<context>
    <name>Calculation</name>
    <message>
        <source>Error: </source>
        <translation>Error: </translation>
    </message>
    <message>
        <source>Attention:</source>
        <translation>Atención:</translation>
    </message>
    <message>
        <source>Wings are moved automatically in z-direction!</source>
        <translation>¡Las alas se han desplazado automáticamente en dirección z!</translation>
    </message>
    <message>
        <source>Can not calculate wing-%1. </source>
        <translation>No se puede calcular el ala-%1. </translation>
    </message>
    <message>
        <source>Can not calculate this aircraft. </source>
        <translation>No se puede calcular este avión. </translation>
    </message>
    <message>
        <source>Please change this wing (less aspect ratio)!</source>
        <translation>¡Modifique esta ala (menor alargamiento)!</translation>
    </message>
    <message>
        <source>Please change this wing (more aspect ratio)!</source>
        <translation>¡Modifique esta ala (mayor alargamiento)!</translation>
    </message>
    <message>
        <source>Please change this wing (it has no area)!</source>
        <translation>¡Modifique esta ala (no tiene superficie)!</translation>
    </message>
    <message>
        <source>Please change this wing (a trapezium has no chord)!</source>
        <translation>¡Modifique esta ala (un trapecio no tiene cuerda)!</translation>
    </message>
    <message>
        <source>Too many panels (%1, at most 3000)!</source>
        <translation>¡Demasiados paneles (%1, como máximo 3000)!</translation>
    </message>
    <message>
        <source>The result is not finite!</source>
        <translation>¡El resultado no es finito!</translation>
    </message>
    <message>
        <source>Can not calculate Wing %1 / Trapezium%2.</source>
        <translation>No se puede calcular el ala %1 / trapecio %2.</translation>
    </message>
    <message>
        <source>Please change this trapezium (more chord length at tip)!</source>
        <translation>¡Modifique este trapecio (mayor cuerda en el extremo)!</translation>
    </message>
    <message>
        <source>Please change this wing (it gives no lift)!</source>
        <translation>¡Modifique esta ala (no genera sustentación)!</translation>
    </message>
    <message>
        <source>The reference wing has no area or chord!</source>
        <translation>¡El ala de referencia no tiene superficie o cuerda!</translation>
    </message>
    <message>
        <source>The neutral point lies outside the wings!</source>
        <translation>¡El punto neutro está fuera de las alas!</translation>
    </message>
    <message>
        <source>The results stored in the file did not belong to this aircraft and were calculated again.</source>
        <translation>Los resultados guardados en el archivo no correspondían a este avión y se han calculado de nuevo.</translation>
    </message>
    <message>
        <source>Converged estimate: the finer lattice was refused; the finest accepted has %1 panels.</source>
        <translation>Estimación convergida: la malla más fina fue rechazada; la más fina aceptada tiene %1 paneles.</translation>
    </message>
    <message>
        <source>Not converged: the lattices disagree in direction; the value is the finest lattice&apos;s.</source>
        <translation>No convergido: las mallas no coinciden en la dirección; el valor es el de la malla más fina.</translation>
    </message>
    <message>
        <source>Not converged: no finer lattice could be calculated; the value is the window&apos;s lattice&apos;s.</source>
        <translation>No convergido: no se pudo calcular ninguna malla más fina; el valor es el de la malla de la ventana.</translation>
    </message>
    <message>
        <source>The aerodynamic center lies outside this wing!</source>
        <translation>¡El punto neutro está fuera de esta ala!</translation>
    </message>
    <message>
        <source>Please change this trapezium (leading edge swept %1°, at most 80°)!</source>
        <translation>¡Modifique este trapecio (borde de ataque con flecha de %1°, como máximo 80°)!</translation>
    </message>
    <message>
        <source>Please change this trapezium (trailing edge swept %1°, at most 80°)!</source>
        <translation>¡Modifique este trapecio (borde de salida con flecha de %1°, como máximo 80°)!</translation>
    </message>
    <message>
        <source>The results stored in the file are incomplete and were calculated again.</source>
        <translation>Los resultados guardados en el archivo están incompletos y se han calculado de nuevo.</translation>
    </message>
    <message>
        <source>%1 files were named at start; none was opened. Open one at a time.</source>
        <translation>Se indicaron %1 archivos al iniciar; no se abrió ninguno. Abra uno cada vez.</translation>
    </message>
    <message>
        <source>No home folder: settings are not kept.</source>
        <translation>No hay carpeta personal: los ajustes no se guardan.</translation>
    </message>
    <message>
        <source>The home folder does not exist: settings are not kept.</source>
        <translation>La carpeta personal no existe: los ajustes no se guardan.</translation>
    </message>
    <message>
        <source>Wing %1, trapezium 1: span 0 %2.</source>
        <translation>Ala %1, trapecio 1: envergadura 0 %2.</translation>
    </message>
    <message>
        <source>Wing %1, trapeziums 1 to %2: span 0 %3.</source>
        <translation>Ala %1, trapecios 1 a %2: envergadura 0 %3.</translation>
    </message>
    <message>
        <source>A wing needs a span.</source>
        <translation>Un ala necesita envergadura.</translation>
    </message>
    <message>
        <source>Wing %1, trapezium %2: root chord %3 %4.</source>
        <translation>Ala %1, trapecio %2: cuerda de raíz %3 %4.</translation>
    </message>
    <message>
        <source>Wing %1, trapezium %2: tip chord %3 %4.</source>
        <translation>Ala %1, trapecio %2: cuerda de punta %3 %4.</translation>
    </message>
    <message>
        <source>A trapezium needs a chord at both ends.</source>
        <translation>Un trapecio necesita cuerda en sus dos extremos.</translation>
    </message>
    <message>
        <source>TRIM9: Error. itmax is%1 , no calculation possible//</source>
        <translation>TRIM9: error. itmax es%1 , no es posible calcular//</translation>
    </message>
    <message>
        <source> TRIM9M: The system of equations cannot be solved //</source>
        <translation> TRIM9M: el sistema de ecuaciones no tiene solución //</translation>
    </message>
    <message>
        <source>EINFLUSS: The influence matrix could not be built</source>
        <translation>EINFLUSS: no se pudo construir la matriz de influencia</translation>
    </message>
    <message>
        <source>LOES: Error while solving the system of equations </source>
        <translation>LOES: error al resolver el sistema de ecuaciones </translation>
    </message>
    <message>
        <source>LOES: Error...</source>
        <translation>LOES: error...</translation>
    </message>
    <message>
        <source>The unsaved changes could not be kept for recovery after a crash.</source>
        <translation>Los cambios no guardados no se pudieron conservar para recuperarlos tras un fallo.</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>Wing</source>
        <translation>Ala</translation>
    </message>
</context>
<context>
    <name>ExportCommands</name>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Planform drawing (SVG)…</source>
        <translation>Plano en planta (SVG)…</translation>
    </message>
    <message>
        <source>Planform drawing (DXF)…</source>
        <translation>Plano en planta (DXF)…</translation>
    </message>
    <message>
        <source>AVL input file…</source>
        <translation>Archivo de entrada AVL…</translation>
    </message>
    <message>
        <source>Print template (1:1)…</source>
        <translation>Imprimir plantilla (1:1)…</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Dibujo SVG (*.svg)</translation>
    </message>
    <message>
        <source>DXF drawing (*.dxf)</source>
        <translation>Dibujo DXF (*.dxf)</translation>
    </message>
    <message>
        <source>AVL input (*.avl)</source>
        <translation>Entrada AVL (*.avl)</translation>
    </message>
    <message>
        <source>The file was not exported.</source>
        <translation>El archivo no se ha exportado.</translation>
    </message>
    <message>
        <source>Template (1:1)</source>
        <translation>Plantilla (1:1)</translation>
    </message>
    <message>
        <source>Wing %1</source>
        <translation>Ala %1</translation>
    </message>
    <message>
        <source>Wing:</source>
        <translation>Ala:</translation>
    </message>
    <message>
        <source>Both halves</source>
        <translation>Ambas semialas</translation>
    </message>
    <message>
        <source>One half with the centre line</source>
        <translation>Una semiala con el eje central</translation>
    </message>
</context>
<context>
    <name>Print</name>
    <message>
        <source>The template would take %1 sheets, more than %2: it is not printed.</source>
        <translation>La plantilla necesitaría %1 hojas, más de %2: no se imprime.</translation>
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
        <translation>Superficie de referencia (S): %1</translation>
    </message>
    <message>
        <source>Reference length (lm): %1%2</source>
        <translation>Cuerda de referencia (lm): %1%2</translation>
    </message>
    <message>
        <source>x_ac: %1%2</source>
        <translation>x_PN: %1%2</translation>
    </message>
    <message>
        <source>x_ac: %1 ± %2%3</source>
        <translation>x_PN: %1 ± %2%3</translation>
    </message>
    <message>
        <source>x_cg now: %1%2</source>
        <translation>x_cg actual: %1%2</translation>
    </message>
    <message>
        <source>= %1% lm</source>
        <translation>= %1% lm</translation>
    </message>
    <message>
        <source>lm leading edge: %1%2</source>
        <translation>Borde de ataque de lm: %1%2</translation>
    </message>
    <message>
        <source>Attention: a static margin of %1% lies outside %2 to %3%; it is used as typed.</source>
        <translation>Atención: un margen estático de %1% está fuera de %2 a %3%; se usa tal como se escribió.</translation>
    </message>
</context>
<context>
    <name>Study</name>
    <message>
        <source>Unknown parameter &quot;%1&quot;: use wN.chordK, wN.spanK, wN.offsetK, wN.gap, wN.x, wN.z or wN.scale (N the wing, K the station or trapezium).</source>
        <translation>Parámetro desconocido «%1»: use wN.chordK, wN.spanK, wN.offsetK, wN.gap, wN.x, wN.z o wN.scale (N el ala, K la estación o el trapecio).</translation>
    </message>
    <message>
        <source>Wing %1 is not in use (wings in use: 1 to %2).</source>
        <translation>El ala %1 no está en uso (alas en uso: 1 a %2).</translation>
    </message>
    <message>
        <source>Wing %1 has no station %2: its stations are 1 to %3.</source>
        <translation>El ala %1 no tiene estación %2: sus estaciones son 1 a %3.</translation>
    </message>
    <message>
        <source>Wing %1 has no trapezium %2: it has %3.</source>
        <translation>El ala %1 no tiene trapecio %2: tiene %3.</translation>
    </message>
    <message>
        <source>A study takes %1 to %2 steps, not %3.</source>
        <translation>Un estudio tiene de %1 a %2 pasos, no %3.</translation>
    </message>
    <message>
        <source>The range needs two numbers, not &quot;%1&quot;.</source>
        <translation>El intervalo necesita dos números, no «%1».</translation>
    </message>
    <message>
        <source>Negative length: its absolute value is used.</source>
        <translation>Longitud negativa: se usa su valor absoluto.</translation>
    </message>
    <message>
        <source>Wing %1: chord at station %2</source>
        <translation>Ala %1: cuerda en la estación %2</translation>
    </message>
    <message>
        <source>Wing %1: span of trapezium %2</source>
        <translation>Ala %1: envergadura del trapecio %2</translation>
    </message>
    <message>
        <source>Wing %1: leading-edge offset at station %2</source>
        <translation>Ala %1: desplazamiento del borde de ataque en la estación %2</translation>
    </message>
    <message>
        <source>Wing %1: centre gap</source>
        <translation>Ala %1: hueco central</translation>
    </message>
    <message>
        <source>Wing %1: position x (tail arm)</source>
        <translation>Ala %1: posición x (brazo de cola)</translation>
    </message>
    <message>
        <source>Wing %1: height z</source>
        <translation>Ala %1: altura z</translation>
    </message>
    <message>
        <source>Wing %1: size (chords, spans and offsets)</source>
        <translation>Ala %1: tamaño (cuerdas, envergaduras y desplazamientos)</translation>
    </message>
    <message>
        <source>Cancelled after %1 of %2 variants.</source>
        <translation>Cancelado tras %1 de %2 variantes.</translation>
    </message>
    <message>
        <source>x (rearwards)</source>
        <translation>x (hacia atrás)</translation>
    </message>
    <message>
        <source>Static margin, %</source>
        <translation>Margen estático, %</translation>
    </message>
    <message>
        <source>Recommended centre of gravity</source>
        <translation>Centro de gravedad recomendado</translation>
    </message>
    <message>
        <source>Neutral point</source>
        <translation>Punto neutro</translation>
    </message>
    <message>
        <source>Desired centre of gravity</source>
        <translation>Centro de gravedad deseado</translation>
    </message>
    <message>
        <source>Centre of gravity as built</source>
        <translation>Centro de gravedad real</translation>
    </message>
    <message>
        <source>Static margin</source>
        <translation>Margen estático</translation>
    </message>
    <message>
        <source>Variants (click: adopt)</source>
        <translation>Variantes (clic: adoptar)</translation>
    </message>
    <message>
        <source>Refused</source>
        <translation>Rechazado</translation>
    </message>
    <message>
        <source>Current value</source>
        <translation>Valor actual</translation>
    </message>
    <message>
        <source>Neutral point %1, recommended range %2 to %3</source>
        <translation>Punto neutro %1, intervalo recomendado %2 a %3</translation>
    </message>
    <message>
        <source>desired %1</source>
        <translation>deseado %1</translation>
    </message>
    <message>
        <source>As built %1</source>
        <translation>Real %1</translation>
    </message>
    <message>
        <source>static margin %1 %</source>
        <translation>margen estático %1 %</translation>
    </message>
    <message>
        <source>Adopted: %1 (Undo takes it back).</source>
        <translation>Adoptado: %1 (Deshacer lo revierte).</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>No se puede escribir %1.</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>Valores separados por comas (*.csv)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Dibujo SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>Written: %1</source>
        <translation>Escrito: %1</translation>
    </message>
    <message>
        <source>Parameter study</source>
        <translation>Estudio paramétrico</translation>
    </message>
    <message>
        <source>Parameter:</source>
        <translation>Parámetro:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Desde:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Hasta:</translation>
    </message>
    <message>
        <source>Steps:</source>
        <translation>Pasos:</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Exportar CSV…</translation>
    </message>
    <message>
        <source>Export SVG…</source>
        <translation>Exportar SVG…</translation>
    </message>
    <message>
        <source>Export PNG…</source>
        <translation>Exportar PNG…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimir…</translation>
    </message>
    <message>
        <source>Compare with %1</source>
        <translation>Comparación con %1</translation>
    </message>
    <message>
        <source>Wing %1: span, %2</source>
        <translation>Ala %1: envergadura, %2</translation>
    </message>
    <message>
        <source>Wing %1: area, %2</source>
        <translation>Ala %1: superficie, %2</translation>
    </message>
    <message>
        <source>Wing %1: mean chord, %2</source>
        <translation>Ala %1: cuerda media, %2</translation>
    </message>
    <message>
        <source>Neutral point, %1</source>
        <translation>Punto neutro, %1</translation>
    </message>
    <message>
        <source>Centre of gravity, front, %1</source>
        <translation>Centro de gravedad, delantero, %1</translation>
    </message>
    <message>
        <source>Centre of gravity, rear, %1</source>
        <translation>Centro de gravedad, trasero, %1</translation>
    </message>
    <message>
        <source>This aircraft</source>
        <translation>Este avión</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Diferencia</translation>
    </message>
    <message>
        <source>Solid: this aircraft; dashed: %1. Read-only.</source>
        <translation>Continuo: este avión; discontinuo: %1. Solo lectura.</translation>
    </message>
</context>
<context>
    <name>SummaryPage</name>
    <message>
        <source>wing span:</source>
        <translation>envergadura:</translation>
    </message>
    <message>
        <source>wing area:</source>
        <translation>superficie alar:</translation>
    </message>
    <message>
        <source>aspect ratio:</source>
        <translation>alargamiento:</translation>
    </message>
    <message>
        <source>mean aerod. chord:</source>
        <translation>cuerda aerod. media:</translation>
    </message>
    <message>
        <source>geometric center:</source>
        <translation>punto neutro geom.:</translation>
    </message>
    <message>
        <source>aerodynamic center:</source>
        <translation>punto neutro aerod.:</translation>
    </message>
    <message>
        <source>lift slope:</source>
        <translation>pendiente sustent.:</translation>
    </message>
    <message>
        <source>Wing%1:</source>
        <translation>Ala%1:</translation>
    </message>
    <message>
        <source>Summary:</source>
        <translation>Resumen:</translation>
    </message>
    <message>
        <source>Recommended center of gravity by stab =  </source>
        <translation>Centro de gravedad recomendado, margen =  </translation>
    </message>
    <message>
        <source>recomemnded center of gravity by stab =  </source>
        <translation>Centro de gravedad recomendado, margen =  </translation>
    </message>
    <message>
        <source>Center of gravity by stab = </source>
        <translation>Centro de gravedad con margen = </translation>
    </message>
    <message>
        <source>aerodynamic center: </source>
        <translation>punto neutro:       </translation>
    </message>
    <message>
        <source>Balance:</source>
        <translation>Centrado:</translation>
    </message>
    <message>
        <source>mass of the model:</source>
        <translation>masa del modelo:</translation>
    </message>
    <message>
        <source>center of gravity:</source>
        <translation>centro de gravedad:</translation>
    </message>
    <message>
        <source>in % of the ref. chord:</source>
        <translation>en % de la cuerda de ref.:</translation>
    </message>
    <message>
        <source>static margin:</source>
        <translation>margen estático:</translation>
    </message>
    <message>
        <source>status:</source>
        <translation>estado:</translation>
    </message>
    <message>
        <source>ballast:</source>
        <translation>lastre:</translation>
    </message>
    <message>
        <source>movable item:</source>
        <translation>elemento móvil:</translation>
    </message>
    <message>
        <source>%1 % lm</source>
        <translation>%1 % lm</translation>
    </message>
    <message>
        <source>leading edge of lm: </source>
        <translation>borde de ataque de lm: </translation>
    </message>
</context>
<context>
    <name>Views</name>
    <message>
        <source>flight direction</source>
        <translation>dirección de vuelo</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>wing span (b):</source>
        <translation>envergadura (b):</translation>
    </message>
    <message>
        <source>wing area (s):</source>
        <translation>superficie alar (s):</translation>
    </message>
    <message>
        <source>mean aerod. chord (lm):</source>
        <translation>cuerda aerod. media (lm):</translation>
    </message>
    <message>
        <source>geometric center (r25):</source>
        <translation>punto neutro geom. (r25):</translation>
    </message>
    <message>
        <source>aspect ratio (lam):</source>
        <translation>alargamiento (lam):</translation>
    </message>
    <message>
        <source>aerodynamic center (anp):</source>
        <translation>punto neutro aerod. (anp):</translation>
    </message>
    <message>
        <source>1 trapezium</source>
        <translation>1 trapecio</translation>
    </message>
    <message>
        <source>2 trapeziums</source>
        <translation>2 trapecios</translation>
    </message>
    <message>
        <source>3 trapeziums</source>
        <translation>3 trapecios</translation>
    </message>
    <message>
        <source>4 trapeziums</source>
        <translation>4 trapecios</translation>
    </message>
    <message>
        <source>Desired Static Stability:</source>
        <translation>Margen estático deseado:</translation>
    </message>
    <message>
        <source>Positioning</source>
        <translation>Disposición</translation>
    </message>
    <message>
        <source>- calculation is running -</source>
        <translation>- cálculo en curso -</translation>
    </message>
    <message>
        <source>Calculate Aerodynamic Center</source>
        <translation>Calcular el punto neutro</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>  Wing 1 </source>
        <translation>  Ala 1 </translation>
    </message>
    <message>
        <source>  Wing 2 </source>
        <translation>  Ala 2 </translation>
    </message>
    <message>
        <source>  Wing 3 </source>
        <translation>  Ala 3 </translation>
    </message>
    <message>
        <source>  Aircraft  </source>
        <translation>  Avión  </translation>
    </message>
    <message>
        <source> Remarks </source>
        <translation> Observaciones </translation>
    </message>
    <message>
        <source>1 Wing</source>
        <translation>1 ala</translation>
    </message>
    <message>
        <source>2 Wings</source>
        <translation>2 alas</translation>
    </message>
    <message>
        <source>3 Wings</source>
        <translation>3 alas</translation>
    </message>
    <message>
        <source>Automatic choice of stability</source>
        <translation>Estabilidad automática</translation>
    </message>
    <message>
        <source>Manual choice of stability</source>
        <translation>Estabilidad manual</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Wing 1</source>
        <translation>Ala 1</translation>
    </message>
    <message>
        <source>Wing 2</source>
        <translation>Ala 2</translation>
    </message>
    <message>
        <source>Wing 3</source>
        <translation>Ala 3</translation>
    </message>
    <message>
        <source>Aircraft</source>
        <translation>Avión</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Centre gap of wing %1, %9</source>
        <translation>Hueco central del ala %1, %9</translation>
    </message>
    <message>
        <source>Span of trapezium %2 of wing %1, %9</source>
        <translation>Envergadura del trapecio %2 del ala %1, %9</translation>
    </message>
    <message>
        <source>Tip chord of trapezium %2 of wing %1, %9</source>
        <translation>Cuerda exterior del trapecio %2 del ala %1, %9</translation>
    </message>
    <message>
        <source>Leading-edge offset at the tip of trapezium %2 of wing %1, %9</source>
        <translation>Desplazamiento del borde de ataque en el extremo del trapecio %2 del ala %1, %9</translation>
    </message>
    <message>
        <source>Root chord of wing %1, %9</source>
        <translation>Cuerda en la raíz del ala %1, %9</translation>
    </message>
    <message>
        <source>Position x of wing %1, %9</source>
        <translation>Posición x del ala %1, %9</translation>
    </message>
    <message>
        <source>Height z of wing %1, %9</source>
        <translation>Altura z del ala %1, %9</translation>
    </message>
    <message>
        <source>Planform of wing %1</source>
        <translation>Planta del ala %1</translation>
    </message>
    <message>
        <source>Dimension sketch of wing %1</source>
        <translation>Croquis acotado del ala %1</translation>
    </message>
    <message>
        <source>Position sketch of wing %1</source>
        <translation>Croquis de posición del ala %1</translation>
    </message>
    <message>
        <source>Desired static stability, %</source>
        <translation>Margen estático deseado, %</translation>
    </message>
    <message>
        <source>Error messages</source>
        <translation>Mensajes de error</translation>
    </message>
    <message>
        <source>Remarks</source>
        <translation>Observaciones</translation>
    </message>
    <message>
        <source>Top view of the aircraft</source>
        <translation>Vista superior del avión</translation>
    </message>
    <message>
        <source>3-D view of the aircraft</source>
        <translation>Vista 3D del avión</translation>
    </message>
    <message>
        <source>Elevation of the 3-D view</source>
        <translation>Elevación de la vista 3D</translation>
    </message>
    <message>
        <source>Azimuth of the 3-D view</source>
        <translation>Acimut de la vista 3D</translation>
    </message>
    <message>
        <source>Zoom of the top view</source>
        <translation>Ampliación de la vista superior</translation>
    </message>
    <message>
        <source>Zoom of the 3-D view</source>
        <translation>Ampliación de la vista 3D</translation>
    </message>
    <message>
        <source>   WinStabix calculates the aerodynamic center   </source>
        <translation>   WinStabix calcula el punto neutro   </translation>
    </message>
    <message>
        <source>of an aircraft and suggests a suitable</source>
        <translation>de un avión y propone un margen</translation>
    </message>
    <message>
        <source>range for the center of gravity</source>
        <translation>favorable para el centro de gravedad</translation>
    </message>
    <message>
        <source>Idea and Formulas: the WinStabix authors</source>
        <translation>Idea y fórmulas: los autores de WinStabix</translation>
    </message>
    <message>
        <source>Realization: the WinStabix authors</source>
        <translation>Realización: los autores de WinStabix</translation>
    </message>
    <message>
        <source>Wing-%1  </source>
        <translation>Ala-%1  </translation>
    </message>
    <message>
        <source>Are you sure this wing shall </source>
        <translation>¿Seguro que esta ala debe </translation>
    </message>
    <message>
        <source>have a gap in the middle?</source>
        <translation>tener un hueco en el centro?</translation>
    </message>
    <message>
        <source>insert your remarks her:</source>
        <translation>Escriba aquí sus observaciones:</translation>
    </message>
    <message>
        <source>The aircraft was not saved.</source>
        <translation>El avión no se ha guardado.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Abrir archivo</translation>
    </message>
    <message>
        <source>Save File as</source>
        <translation>Guardar archivo como</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Guardar archivo</translation>
    </message>
    <message>
        <source>Calc</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Print</source>
        <comment>tool button hint</comment>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Archivos recientes</translation>
    </message>
    <message>
        <source>Drag on the planform of wing %1</source>
        <translation>Arrastre sobre la planta del ala %1</translation>
    </message>
    <message>
        <source>Heights moved by the calculation</source>
        <translation>Alturas desplazadas por el cálculo</translation>
    </message>
    <message>
        <source>Trapezium count of wing %1</source>
        <translation>Número de trapecios del ala %1</translation>
    </message>
    <message>
        <source>Wing count</source>
        <translation>Número de alas</translation>
    </message>
    <message>
        <source>The aircraft has changes that are not saved. Save them first?</source>
        <translation>El avión tiene cambios sin guardar. ¿Guardarlos primero?</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The aircraft file was not opened.</source>
        <translation>No se abrió el archivo del avión.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is no longer there; it is taken off the list.</source>
        <translation>El archivo «%1» ya no existe; se quita de la lista.</translation>
    </message>
    <message>
        <source>%1 character(s) of the remarks cannot be stored in an aircraft file and were saved as &quot;?&quot;.</source>
        <translation>%1 carácter(es) de las observaciones no se pueden guardar en un archivo de avión y se guardaron como «?».</translation>
    </message>
    <message>
        <source>Converged neutral point</source>
        <translation>Punto neutro convergido</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened or saved. Overwrite it?</source>
        <translation>%1 fue modificado por otro programa desde que se abrió o guardó. ¿Sobrescribirlo?</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Sobrescribir</translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation>Guardar como…</translation>
    </message>
    <message>
        <source>Name of mass item %1</source>
        <translation>Nombre de la masa %1</translation>
    </message>
    <message>
        <source>Mass of item %1, g</source>
        <translation>Masa del elemento %1, g</translation>
    </message>
    <message>
        <source>Position x of item %1, %9</source>
        <translation>Posición x del elemento %1, %9</translation>
    </message>
    <message>
        <source>Position x of support %1, %9</source>
        <translation>Posición x del apoyo %1, %9</translation>
    </message>
    <message>
        <source>Scale reading of support %1, g</source>
        <translation>Lectura de la báscula del apoyo %1, g</translation>
    </message>
    <message>
        <source>Ballast place x, %9</source>
        <translation>Lugar del lastre x, %9</translation>
    </message>
    <message>
        <source>Balance method</source>
        <translation>Método de centrado</translation>
    </message>
    <message>
        <source>New mass item</source>
        <translation>Nueva masa</translation>
    </message>
    <message>
        <source>Removal of mass item %1</source>
        <translation>Eliminación de la masa %1</translation>
    </message>
    <message>
        <source>Order of the mass items</source>
        <translation>Orden de las masas</translation>
    </message>
    <message>
        <source>Movable item</source>
        <translation>Elemento móvil</translation>
    </message>
    <message>
        <source>Calculate the aerodynamic center for the margin, the status and the ballast.</source>
        <translation>Calcule el punto neutro para el margen, el estado y el lastre.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Mass, g</source>
        <translation>Masa, g</translation>
    </message>
    <message>
        <source>x, %9</source>
        <translation>x, %9</translation>
    </message>
    <message>
        <source>Movable</source>
        <translation>Móvil</translation>
    </message>
    <message>
        <source>Mass items</source>
        <translation>Masas</translation>
    </message>
    <message>
        <source>Ballast place x, %9; empty: the frontmost point of the aircraft (shown greyed)</source>
        <translation>Lugar del lastre x, %9; vacío: el punto más adelantado del avión (en gris)</translation>
    </message>
    <message>
        <source>Tail volume V = S · |x + r25 − (x1 + r25_1)| / (S1 · lm1) against wing 1; usual for a tail plane: %1 to %2</source>
        <translation>Volumen de cola V = S · |x + r25 − (x1 + r25_1)| / (S1 · lm1) respecto al ala 1; habitual para un estabilizador: %1 a %2</translation>
    </message>
    <message>
        <source>tail volume %1</source>
        <translation>vol. cola %1</translation>
    </message>
    <message>
        <source>Tail volume of wing %1</source>
        <translation>Volumen de cola del ala %1</translation>
    </message>
    <message>
        <source> Balance </source>
        <translation> Centrado </translation>
    </message>
    <message>
        <source>Mass items (x rearwards from the root of wing 1):</source>
        <translation>Masas (x hacia atrás desde la raíz del ala 1):</translation>
    </message>
    <message>
        <source>Weighing on two supports:</source>
        <translation>Pesaje sobre dos apoyos:</translation>
    </message>
    <message>
        <source>reading, g</source>
        <translation>lectura, g</translation>
    </message>
    <message>
        <source>Support 1:</source>
        <translation>Apoyo 1:</translation>
    </message>
    <message>
        <source>Support 2:</source>
        <translation>Apoyo 2:</translation>
    </message>
    <message>
        <source>Ballast place x, %9:</source>
        <translation>Lugar del lastre x, %9:</translation>
    </message>
    <message>
        <source>The model as built:</source>
        <translation>El modelo tal como está:</translation>
    </message>
    <message>
        <source>total mass:</source>
        <translation>masa total:</translation>
    </message>
    <message>
        <source>centre of gravity x:</source>
        <translation>centro de gravedad x:</translation>
    </message>
    <message>
        <source>in % of the reference chord:</source>
        <translation>en % de la cuerda de referencia:</translation>
    </message>
    <message>
        <source>static margin:</source>
        <translation>margen estático:</translation>
    </message>
    <message>
        <source>target (recommended):</source>
        <translation>objetivo (recomendado):</translation>
    </message>
    <message>
        <source>ballast:</source>
        <translation>lastre:</translation>
    </message>
    <message>
        <source>movable item:</source>
        <translation>elemento móvil:</translation>
    </message>
    <message>
        <source>Weighing on two supports</source>
        <translation>Pesaje sobre dos apoyos</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>Ejemplos</translation>
    </message>
    <message>
        <source>Span b from tip to tip, the centre gap included.</source>
        <translation>Envergadura b de punta a punta, con la separación central.</translation>
    </message>
    <message>
        <source>Area s of both halves, without the centre gap.</source>
        <translation>Superficie s de las dos mitades, sin la separación central.</translation>
    </message>
    <message>
        <source>Mean aerodynamic chord lm: the chord averaged over the span, each chord weighted by itself. The static margin is given in % of it.</source>
        <translation>Cuerda aerodinámica media lm: la cuerda promediada sobre la envergadura, cada cuerda ponderada por sí misma. El margen estático se da en % de ella.</translation>
    </message>
    <message>
        <source>Geometric neutral point r25: the quarter point of lm, measured rearwards from the wing&apos;s root leading edge.</source>
        <translation>Punto neutro geométrico r25: el cuarto delantero de lm, medido hacia atrás desde el borde de ataque de la raíz.</translation>
    </message>
    <message>
        <source>Aspect ratio lam = b² / s.</source>
        <translation>Alargamiento lam = b² / s.</translation>
    </message>
    <message>
        <source>Aerodynamic centre anp of this wing in the whole aircraft, from the vortex-lattice calculation, measured rearwards from its root leading edge.</source>
        <translation>Punto neutro aerodinámico anp de esta ala en el avión completo, según el cálculo de red de torbellinos, medido hacia atrás desde su borde de ataque en la raíz.</translation>
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
        <translation>Tras un cálculo:
Borde de ataque de lm: x del borde de ataque de la cuerda media lm del ala de referencia.
Superficie S y cuerda lm de referencia: las del ala de referencia, la de mayor envergadura.
x_CG (16%): el centro de gravedad para un margen estático del 16 % de lm por delante del punto neutro;
= 13.2% lm: la misma posición, a un 13.2 % de lm detrás del borde de ataque de lm.
x_PN: el punto neutro del avión completo.
Cada x se mide hacia atrás desde el borde de ataque de la raíz del ala 1.
Un clic amplía la vista o le devuelve su tamaño; arrastrar hacia abajo la amplía mientras el botón siga pulsado.</translation>
    </message>
    <message>
        <source>Read as %1 %2.</source>
        <translation>Leído como %1 %2.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Restore the unsaved changes of %1 from %2?</source>
        <translation>¿Restaurar los cambios no guardados de %1 del %2?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Más tarde</translation>
    </message>
    <message>
        <source>%1 was changed by another program. Open it again?</source>
        <translation>%1 fue modificado por otro programa. ¿Abrirlo de nuevo?</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recargar</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Conservar</translation>
    </message>
    <message>
        <source>Value of wing %1 from the parameter study</source>
        <translation>Valor del ala %1 del estudio paramétrico</translation>
    </message>
    <message>
        <source>Parameter study…</source>
        <translation>Estudio paramétrico…</translation>
    </message>
    <message>
        <source>Compare with…</source>
        <translation>Comparar con…</translation>
    </message>
    <message>
        <source>Aircraft (*.da4)</source>
        <translation>Avión (*.da4)</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>Millimetres (mm)</source>
        <translation>Milímetros (mm)</translation>
    </message>
    <message>
        <source>Centimetres (cm)</source>
        <translation>Centímetros (cm)</translation>
    </message>
    <message>
        <source>Inches (in, areas in in²)</source>
        <translation>Pulgadas (in, áreas en in²)</translation>
    </message>
</context>
<context>
    <name>ws::RemarksPage</name>
    <message>
        <source>These remarks are too long to edit here (%1 characters). They are kept and saved as they are. They begin:</source>
        <translation>Estas observaciones son demasiado largas para editarlas aquí (%1 caracteres). Se conservan y se guardan tal como están. Empiezan así:</translation>
    </message>
</context>
<context>
    <name>ws::TForm3</name>
    <message>
        <source>Print to PDF file</source>
        <translation>Imprimir en un archivo PDF</translation>
    </message>
    <message>
        <source>Written to the PDF file %1</source>
        <translation>Escrito en el archivo PDF %1</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Impresora</translation>
    </message>
    <message>
        <source>Printer resolution:</source>
        <translation>Resolución de la impresora:</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Auflösung</source>
        <comment>the design&apos;s header, German in English too</comment>
        <translation>Resolución</translation>
    </message>
    <message>
        <source>No printer is installed. The page can only be written to a PDF file.</source>
        <translation>No hay ninguna impresora instalada. La página solo puede escribirse en un archivo PDF.</translation>
    </message>
    <message>
        <source>PDF file</source>
        <translation>Archivo PDF</translation>
    </message>
    <message>
        <source>default %1dpi</source>
        <translation>predet. %1dpi</translation>
    </message>
    <message>
        <source>The printer reports no resolutions; its default resolution is used.</source>
        <translation>La impresora no indica resoluciones; se usa su resolución predeterminada.</translation>
    </message>
    <message>
        <source>No printer is installed, so nothing can be printed.</source>
        <translation>No hay ninguna impresora instalada: no se puede imprimir nada.</translation>
    </message>
    <message>
        <source>There is no page to print.</source>
        <translation>No hay ninguna página que imprimir.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; reports no resolution; nothing was printed.</source>
        <translation>La impresora «%1» no indica ninguna resolución; no se imprimió nada.</translation>
    </message>
    <message>
        <source>Choose a printer resolution first; nothing was printed.</source>
        <translation>Elija primero una resolución; no se imprimió nada.</translation>
    </message>
</context>
<context>
    <name>ws::TXPrint</name>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>la carpeta %1 no existe</translation>
    </message>
    <message>
        <source>the folder %1 is not writable</source>
        <translation>no se puede escribir en la carpeta %1</translation>
    </message>
    <message>
        <source>the file is write-protected</source>
        <translation>el archivo está protegido contra escritura</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>el archivo no se puede abrir</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is no longer installed.</source>
        <translation>La impresora «%1» ya no está instalada.</translation>
    </message>
    <message>
        <source>A print job is already running.</source>
        <translation>Ya hay un trabajo de impresión en curso.</translation>
    </message>
    <message>
        <source>The PDF file &quot;%1&quot; cannot be written: %2.</source>
        <translation>El archivo PDF «%1» no se puede escribir: %2.</translation>
    </message>
    <message>
        <source>The print job on &quot;%1&quot; could not be started.</source>
        <translation>No se pudo iniciar la impresión en «%1».</translation>
    </message>
    <message>
        <source>No print job is running.</source>
        <translation>No hay ningún trabajo de impresión en curso.</translation>
    </message>
    <message>
        <source>The print job could not be completed.</source>
        <translation>No se pudo completar el trabajo de impresión.</translation>
    </message>
    <message>
        <source>The PDF file &quot;%1&quot; was left empty.</source>
        <translation>El archivo PDF «%1» quedó vacío.</translation>
    </message>
</context>
</TS>
