<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>QObject</name>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 no es una carpeta.</translation>
    </message>
    <message>
        <source>This account may not change the class in %1: its settings (GLOBSET.WQ) and sign-in list (USERS.WQ) can only be read here. Open it from the account that made the class, or ask for the right to change those files.</source>
        <translation>Esta cuenta no puede cambiar la clase de %1: sus ajustes (GLOBSET.WQ) y su lista de entrada (USERS.WQ) aquí solo se pueden leer. Ábrala desde la cuenta que creó la clase, o pida permiso para cambiar esos archivos.</translation>
    </message>
    <message>
        <source>This account may not make files in %1.</source>
        <translation>Esta cuenta no puede crear archivos en %1.</translation>
    </message>
    <message>
        <source>Teacher&apos;s Desk</source>
        <translation>Mesa del maestro</translation>
    </message>
    <message>
        <source>date not readable</source>
        <translation>fecha ilegible</translation>
    </message>
    <message>
        <source>ddd d MMM yyyy, h:mm ap</source>
        <extracomment>A session&apos;s start as the teacher reads it (a QDateTime format).</extracomment>
        <translation>ddd d MMM yyyy, HH:mm</translation>
    </message>
</context>
<context>
    <name>kz::admin::Class</name>
    <message>
        <source>%1 is not an installation: it holds no global settings file GLOBSET.WQ (wqadmin init makes one).</source>
        <translation>%1 no es una carpeta de clase: no tiene el archivo de ajustes generales GLOBSET.WQ (wqadmin init lo crea).</translation>
    </message>
    <message>
        <source>The data directory %1 that %2 names does not exist.</source>
        <translation>La carpeta de datos %1 que indica %2 no existe.</translation>
    </message>
    <message>
        <source>%1 exists already; nothing was written.</source>
        <translation>%1 ya existe; no se ha escrito nada.</translation>
    </message>
    <message>
        <source>%1 is not an installation of Kiv and Zan: it holds no GLOBSET.WQ, USERS.WQ or LOG.WQ (wqadmin init makes them).</source>
        <translation>%1 no es una carpeta de clase de Kiv y Zan: no tiene GLOBSET.WQ, USERS.WQ ni LOG.WQ (wqadmin init los crea).</translation>
    </message>
    <message>
        <source>The data directory holds characters that a Windows-1252 file cannot store.</source>
        <translation>La ruta de la carpeta de datos lleva caracteres que un archivo Windows-1252 no puede guardar.</translation>
    </message>
    <message>
        <source>The data directory holds at most %1 characters.</source>
        <translation>La ruta de la carpeta de datos tiene como máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>A desktop entry cannot start a program in %1: its name is not UTF-8 text, or holds a control character or %.</source>
        <translation>Un acceso directo del escritorio no puede abrir un programa en %1: su nombre no es texto UTF-8, o bien lleva un carácter de control o el signo %.</translation>
    </message>
    <message>
        <source>%1 holds no program %2: give the folder of the installed programs with --from.</source>
        <translation>%1 no contiene el programa %2: indique con --from la carpeta de los programas instalados.</translation>
    </message>
    <message>
        <source>Could not make the folder %1: %2.</source>
        <translation>No se ha podido crear la carpeta %1: %2.</translation>
    </message>
    <message>
        <source>Could not make the link %1: %2.</source>
        <translation>No se ha podido crear el enlace %1: %2.</translation>
    </message>
</context>
<context>
    <name>kz::admin::Files</name>
    <message>
        <source>Could not write %1.</source>
        <translation>No se ha podido escribir %1.</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permiso denegado</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Operación no permitida</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Sistema de archivos de solo lectura</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>No queda espacio en el disco</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Cuota de disco superada</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Nombre de archivo demasiado largo</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>No es una carpeta</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>El archivo ya existe</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>No existe ese archivo o carpeta</translation>
    </message>
</context>
<context>
    <name>kz::admin::Globals</name>
    <message>
        <source>A password is 0 to 8 letters (A-Z) or digits: the password box accepts nothing else.</source>
        <translation>Una contraseña tiene de 0 a 8 letras (A-Z) o cifras: la ventana de la contraseña no admite nada más.</translation>
    </message>
    <message>
        <source>%1 is damaged; the sign-in mode was not changed.</source>
        <translation>%1 está dañado; el modo de entrada no se ha cambiado.</translation>
    </message>
    <message>
        <source>Each child&apos;s own settings start as a copy of TEACHER.WQ, and %1 is missing, empty or unreadable; the sign-in mode was not changed. Save the settings for everyone in Kiv or Zan, or copy TEACHER.WQ from another class, and try again.</source>
        <translation>Los ajustes propios de cada niño empiezan como una copia de TEACHER.WQ, y %1 falta, está vacío o no se puede leer; el modo de entrada no se ha cambiado. Guarde los ajustes para todos en Kiv o Zan, o copie TEACHER.WQ de otra clase, y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Could not write %1 for &quot;%2&quot; (%3 other files made); the sign-in mode was not changed, so that no child meets a missing settings file.</source>
        <translation>No se ha podido escribir %1 para «%2» (%3 archivos más creados); el modo de entrada no se ha cambiado, para que ningún niño se encuentre sin su archivo de ajustes.</translation>
    </message>
    <message>
        <source>Could not open %1 for writing, which keeps names from being added meanwhile; the sign-in mode was not changed.</source>
        <translation>No se ha podido abrir %1 para escribir, lo que impide que se añadan nombres mientras tanto; el modo de entrada no se ha cambiado.</translation>
    </message>
    <message>
        <source>dataDir holds characters that a Windows-1252 file cannot store.</source>
        <translation>La ruta de la carpeta de datos lleva caracteres que un archivo Windows-1252 no puede guardar.</translation>
    </message>
    <message>
        <source>dataDir holds at most %1 characters.</source>
        <translation>La ruta de la carpeta de datos tiene como máximo %1 caracteres.</translation>
    </message>
</context>
<context>
    <name>kz::admin::Log</name>
    <message>
        <source>%1 is damaged: its length prefix says more than it holds.</source>
        <translation>%1 está dañado: la longitud indicada al principio es mayor que lo que contiene.</translation>
    </message>
</context>
<context>
    <name>kz::admin::Report</name>
    <message>
        <source>1 session</source>
        <translation>1 sesión</translation>
    </message>
    <message>
        <source>%1 sessions</source>
        <translation>%1 sesiones</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minuto</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minutos</translation>
    </message>
    <message>
        <source>1 week</source>
        <translation>1 semana</translation>
    </message>
    <message>
        <source>%1 weeks</source>
        <translation>%1 semanas</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Palabras</translation>
    </message>
    <message>
        <source>Phrases</source>
        <translation>Frases</translation>
    </message>
    <message>
        <source>January</source>
        <translation>enero</translation>
    </message>
    <message>
        <source>February</source>
        <translation>febrero</translation>
    </message>
    <message>
        <source>March</source>
        <translation>marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>abril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mayo</translation>
    </message>
    <message>
        <source>June</source>
        <translation>junio</translation>
    </message>
    <message>
        <source>July</source>
        <translation>julio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>septiembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>octubre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>noviembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>diciembre</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A day: %1 its number, %2 the month&apos;s name, %3 the year (&quot;2 March 2026&quot;).</extracomment>
        <translation>%1 de %2 de %3</translation>
    </message>
    <message>
        <source>12-hour clock</source>
        <extracomment>How the language writes the time of day: &quot;12-hour clock&quot; (2:15 pm, with the two texts below) or &quot;24-hour clock&quot; (14:15).</extracomment>
        <translation>24-hour clock</translation>
    </message>
    <message>
        <source>%1:%2 am</source>
        <extracomment>A time before noon on the 12-hour clock: %1 the hour, %2 the minutes.</extracomment>
        <translation>%1:%2 de la mañana</translation>
    </message>
    <message>
        <source>%1:%2 pm</source>
        <extracomment>A time from noon on the 12-hour clock: %1 the hour, %2 the minutes.</extracomment>
        <translation>%1:%2 de la tarde</translation>
    </message>
    <message>
        <source>Weeks, by their Monday</source>
        <translation>Semanas, nombradas por su lunes</translation>
    </message>
    <message>
        <source>Minutes and sessions each week</source>
        <translation>Minutos y sesiones por semana</translation>
    </message>
    <message>
        <source>Week of %1, %2: %3, %4</source>
        <extracomment>A bar&apos;s title: %1 the week&apos;s Monday, %2 the activity, %3 the sessions, %4 the minutes (&quot;Week of 2 March 2026, Words: 2 sessions, 17 minutes&quot;).</extracomment>
        <translation>Semana del %1, %2: %3, %4</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>date not readable</source>
        <translation>fecha ilegible</translation>
    </message>
    <message>
        <source>%1 %2, %3</source>
        <extracomment>The last session: %1 the weekday&apos;s short name, %2 the day, %3 the time (&quot;Wed 11 Mar 2026, 2:15 pm&quot;).</extracomment>
        <translation>%1 %2, %3</translation>
    </message>
    <message>
        <source>%1, %2 min</source>
        <extracomment>The last session&apos;s activity (%1) and minutes (%2).</extracomment>
        <translation>%1, %2 min</translation>
    </message>
    <message>
        <source>A bar&apos;s height is the minutes read that week; the figure above it, the sessions.</source>
        <translation>La altura de cada barra indica los minutos leídos esa semana; la cifra de encima, las sesiones.</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Niño</translation>
    </message>
    <message>
        <source>Last session</source>
        <translation>Última sesión</translation>
    </message>
    <message>
        <source>Reading report: %1</source>
        <translation>Informe de lectura: %1</translation>
    </message>
    <message>
        <source>From the tracking log, made on %1.</source>
        <translation>Según el registro de sesiones, hecho el %1.</translation>
    </message>
    <message>
        <source>1 child read in %1; the charts show %2 from %3.</source>
        <extracomment>%1 the sessions (&quot;6 sessions&quot;), %2 the weeks charted (&quot;2 weeks&quot;), %3 the first week&apos;s Monday.</extracomment>
        <translation>1 niño leyó en %1; los gráficos muestran %2 desde el %3.</translation>
    </message>
    <message>
        <source>%1 children read in %2; the charts show %3 from %4.</source>
        <translation>%1 niños leyeron en %2; los gráficos muestran %3 desde el %4.</translation>
    </message>
    <message>
        <source>The log holds no sessions yet.</source>
        <translation>El registro todavía no contiene ninguna sesión.</translation>
    </message>
    <message>
        <source>Other notes</source>
        <translation>Otras notas</translation>
    </message>
    <message>
        <source>Signed in as Teacher (not counted above): %1 of Words, %2 of Phrases, %3.</source>
        <extracomment>&quot;Teacher&quot; is the teacher&apos;s name on the sign-in list; %1 the sessions of Words (&quot;2 sessions&quot;), %2 those of Phrases, %3 the minutes of both (&quot;7 minutes&quot;).</extracomment>
        <translation>Con el nombre Teacher (no se cuenta arriba): %1 en Palabras, %2 en Frases, %3 en total.</translation>
    </message>
    <message>
        <source>On the user list, never read (%1)</source>
        <extracomment>A heading; %1 the number of names under it.</extracomment>
        <translation>En la lista de entrada, nunca leyeron (%1)</translation>
    </message>
    <message>
        <source>Everyone on the user list has read.</source>
        <translation>Todos los de la lista de entrada han leído.</translation>
    </message>
    <message>
        <source>0 sessions</source>
        <translation>0 sesiones</translation>
    </message>
    <message>
        <source>0 minutes</source>
        <translation>0 minutos</translation>
    </message>
</context>
<context>
    <name>kz::admin::ReportShort</name>
    <message>
        <source>Jan</source>
        <translation>ene</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>feb</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>mar</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>abr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>may</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>jun</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>jul</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>ago</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>sept</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>oct</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>dic</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>dom</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>lun</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>mar</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>mié</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>jue</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>vie</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>sáb</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A day with the month&apos;s short name: %1 its number, %2 the month, %3 the year (&quot;11 Mar 2026&quot;).</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
</context>
<context>
    <name>kz::admin::Story</name>
    <message>
        <source>Cannot make the folder %1: %2</source>
        <translation>No se puede crear la carpeta %1: %2</translation>
    </message>
    <message>
        <source>Cannot remove %1</source>
        <translation>No se puede borrar %1</translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>No se puede escribir %1</translation>
    </message>
    <message>
        <source>The title page (story.txt line %1) names the picture &quot;%2&quot;, which is not a file name of the story&apos;s folder.</source>
        <translation>La portada (línea %1 de story.txt) indica el dibujo «%2», que no es un nombre de archivo de la carpeta del cuento.</translation>
    </message>
    <message>
        <source>Page %1 (story.txt line %2) names the picture &quot;%3&quot;, which is not a file name of the story&apos;s folder.</source>
        <translation>La página %1 (línea %2 de story.txt) indica el dibujo «%3», que no es un nombre de archivo de la carpeta del cuento.</translation>
    </message>
    <message>
        <source>The title page (story.txt line %1) names the picture &quot;%2&quot;, which %3 does not hold.</source>
        <translation>La portada (línea %1 de story.txt) indica el dibujo «%2», que no está en %3.</translation>
    </message>
    <message>
        <source>Page %1 (story.txt line %2) names the picture &quot;%3&quot;, which %4 does not hold.</source>
        <translation>La página %1 (línea %2 de story.txt) indica el dibujo «%3», que no está en %4.</translation>
    </message>
    <message>
        <source>espeak-ng could not say page %1 with the voice &quot;%2&quot;; nothing was written.</source>
        <translation>espeak-ng no ha podido decir la página %1 con la voz «%2»; no se ha escrito nada.</translation>
    </message>
    <message>
        <source>espeak-ng could not say the word &quot;%1&quot; with the voice &quot;%2&quot;; nothing was written.</source>
        <translation>espeak-ng no ha podido decir la palabra «%1» con la voz «%2»; no se ha escrito nada.</translation>
    </message>
    <message>
        <source>espeak-ng did not write a 16-bit mono wave file for page %1.</source>
        <translation>espeak-ng no ha escrito un archivo de sonido WAV mono de 16 bits para la página %1.</translation>
    </message>
    <message>
        <source>espeak-ng did not write a 16-bit mono wave file for the word &quot;%1&quot;.</source>
        <translation>espeak-ng no ha escrito un archivo de sonido WAV mono de 16 bits para la palabra «%1».</translation>
    </message>
    <message>
        <source>The number %1 is taken by %2 in the DATA folder: choose another number, or %3 to replace that story.</source>
        <translation>El número %1 ya lo tiene %2 en la carpeta DATA: elija otro número, o %3 para reemplazar ese cuento.</translation>
    </message>
    <message>
        <source>%1 holds no story.txt (or it cannot be read): its first line is the title, then, after a blank line, each page&apos;s [picture] and text.</source>
        <translation>%1 no tiene story.txt (o no se puede leer): su primera línea es el título y, después de una línea en blanco, van el [dibujo] y el texto de cada página.</translation>
    </message>
    <message>
        <source>The picture %1 cannot be decoded: it must be a PNG, JPEG or BMP picture.</source>
        <translation>El dibujo %1 no se puede leer: tiene que ser una imagen PNG, JPEG o BMP.</translation>
    </message>
    <message>
        <source>The story cannot be stored: %1</source>
        <translation>El cuento no se puede guardar: %1</translation>
    </message>
    <message>
        <source>A picture could not be converted to a bitmap.</source>
        <translation>Un dibujo no se ha podido convertir a mapa de bits.</translation>
    </message>
    <message>
        <source>espeak-ng is not installed, so the story&apos;s recordings cannot be made. Install the Debian package espeak-ng (sudo apt install espeak-ng) and run the command again.</source>
        <translation>espeak-ng no está instalado, así que no se pueden hacer las grabaciones del cuento. Instale el paquete de Debian espeak-ng (sudo apt install espeak-ng) y vuelva a intentarlo.</translation>
    </message>
</context>
<context>
    <name>kz::admin::Users</name>
    <message>
        <source>&quot;%1&quot; is already in the list.</source>
        <translation>«%1» ya está en la lista.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds &quot;%2&quot;, a letter the names file cannot store (it keeps the letters of Western European languages only).</source>
        <translation>«%1» lleva «%2», una letra que el archivo de nombres no puede guardar (solo guarda las letras de las lenguas de Europa occidental).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds &quot;%2&quot;, a letter the names file cannot store (it keeps the letters of Western European languages only); type &quot;%3&quot; instead.</source>
        <translation>«%1» lleva «%2», una letra que el archivo de nombres no puede guardar (solo guarda las letras de las lenguas de Europa occidental); escriba «%3» en su lugar.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds &quot;%2&quot;, a letter the names file cannot store (it keeps the letters of Western European languages only); type &quot;%3&quot; instead, for instance: wqadmin users DIR add &quot;%4&quot;.</source>
        <translation>«%1» lleva «%2», una letra que el archivo de nombres no puede guardar (solo guarda las letras de las lenguas de Europa occidental); escriba «%3» en su lugar, por ejemplo «%4».</translation>
    </message>
    <message>
        <source>The name holds control characters.</source>
        <translation>El nombre lleva caracteres de control.</translation>
    </message>
    <message>
        <source>The name is empty.</source>
        <translation>El nombre está vacío.</translation>
    </message>
    <message>
        <source>A name holds at most %1 characters.</source>
        <translation>Un nombre tiene como máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>%1 does not start with the number of names (it reads &quot;%2&quot;); it was left alone.</source>
        <translation>%1 no empieza con el número de nombres (pone «%2»); no se ha tocado.</translation>
    </message>
    <message>
        <source>The list already holds %1 names, as many as its count can say.</source>
        <translation>La lista ya tiene %1 nombres, el mayor número que su contador puede indicar.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the list.</source>
        <translation>«%1» no está en la lista.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; would take the settings file %2 of &quot;%3&quot;; &quot;%4&quot; was not renamed.</source>
        <translation>«%1» ocuparía el archivo de ajustes %2 de «%3»; «%4» no se ha renombrado.</translation>
    </message>
    <message>
        <source>The settings file %1 that &quot;%2&quot; would use exists already (another child&apos;s settings, kept when they left the list); &quot;%3&quot; was not renamed. Rename or remove that file first.</source>
        <translation>El archivo de ajustes %1 que usaría «%2» ya existe (los ajustes de otro niño, guardados cuando salió de la lista); «%3» no se ha renombrado. Cambie el nombre de ese archivo o bórrelo primero.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; and &quot;%2&quot; share the settings file %3.</source>
        <translation>«%1» y «%2» comparten el archivo de ajustes %3.</translation>
    </message>
    <message>
        <source>A position in this list is 1 to %1.</source>
        <translation>Una posición en esta lista va de 1 a %1.</translation>
    </message>
    <message>
        <source>&quot;Teacher&quot; is the name that opens the settings with the password; no child can be renamed to it or from it.</source>
        <translation>«Teacher» es el nombre que abre los ajustes con la contraseña; ningún niño puede pasar a llamarse así ni dejar de llamarse así.</translation>
    </message>
    <message>
        <source>Could not write %1; &quot;%2&quot; was not renamed.</source>
        <translation>No se ha podido escribir %1; «%2» no se ha renombrado.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is &quot;%2&quot; now, but the log could not be changed: its earlier sessions still show under the old name in %3.</source>
        <translation>«%1» ahora es «%2», pero no se ha podido cambiar el registro: sus sesiones anteriores siguen apareciendo con el nombre antiguo en %3.</translation>
    </message>
    <message>
        <source>The name holds characters that a Windows-1252 file cannot store.</source>
        <translation>El nombre lleva caracteres que un archivo Windows-1252 no puede guardar.</translation>
    </message>
</context>
<context>
    <name>kz::desk::ChildrenPage</name>
    <message>
        <source>The names the children pick when they sign in, in the order the list shows them.</source>
        <translation>Los nombres que eligen los niños al entrar, en el orden en que los muestra la lista.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Last session</source>
        <translation>Última sesión</translation>
    </message>
    <message>
        <source>Minutes this week</source>
        <translation>Minutos esta semana</translation>
    </message>
    <message>
        <source>Children</source>
        <translation>Niños</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>Aña&amp;dir...</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>&amp;Renombrar...</translation>
    </message>
    <message>
        <source>Re&amp;move...</source>
        <translation>&amp;Quitar...</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>&amp;Subir</translation>
    </message>
    <message>
        <source>Move &amp;down</source>
        <translation>&amp;Bajar</translation>
    </message>
    <message>
        <source>Add a child</source>
        <translation>Añadir un niño</translation>
    </message>
    <message>
        <source>Rename the chosen child</source>
        <translation>Renombrar al niño elegido</translation>
    </message>
    <message>
        <source>Remove the chosen child</source>
        <translation>Quitar al niño elegido</translation>
    </message>
    <message>
        <source>Move the chosen child up</source>
        <translation>Subir al niño elegido en la lista</translation>
    </message>
    <message>
        <source>Move the chosen child down</source>
        <translation>Bajar al niño elegido en la lista</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nunca</translation>
    </message>
    <message>
        <source>The name the child picks (at most 16 characters):</source>
        <translation>El nombre que elegirá el niño (16 caracteres como máximo):</translation>
    </message>
    <message>
        <source>Rename a child</source>
        <translation>Renombrar a un niño</translation>
    </message>
    <message>
        <source>The new name for &quot;%1&quot; (at most 16 characters):</source>
        <translation>El nombre nuevo de «%1» (16 caracteres como máximo):</translation>
    </message>
    <message>
        <source>Remove a child</source>
        <translation>Quitar a un niño</translation>
    </message>
    <message>
        <source>Take &quot;%1&quot; off the sign-in list? Their settings file and their sessions in the log are kept.</source>
        <translation>¿Quitar a «%1» de la lista de entrada? Su archivo de ajustes y sus sesiones del registro se conservan.</translation>
    </message>
</context>
<context>
    <name>kz::desk::ClassSettingsPage</name>
    <message>
        <source>C&amp;hoose...</source>
        <translation>&amp;Elegir...</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Undo changes</source>
        <translation>Des&amp;hacer los cambios</translation>
    </message>
    <message>
        <source>Teacher&apos;s password</source>
        <translation>Contraseña del maestro</translation>
    </message>
    <message>
        <source>At most 8 letters (A-Z) or digits; empty: no password.</source>
        <translation>Como máximo 8 letras (A-Z) o cifras; vacía: sin contraseña.</translation>
    </message>
    <message>
        <source>Sign-in</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Nobody signs in</source>
        <translation>Nadie entra con su nombre</translation>
    </message>
    <message>
        <source>Children pick their name</source>
        <translation>Los niños eligen su nombre</translation>
    </message>
    <message>
        <source>Children pick their name and keep their own settings</source>
        <translation>Los niños eligen su nombre y tienen sus propios ajustes</translation>
    </message>
    <message>
        <source>&amp;Log each session: who read, when, for how long</source>
        <translation>&amp;Registrar cada sesión: quién leyó, cuándo y cuánto tiempo</translation>
    </message>
    <message>
        <source>Log each session</source>
        <translation>Registrar cada sesión</translation>
    </message>
    <message>
        <source>Data folder</source>
        <translation>Carpeta de datos</translation>
    </message>
    <message>
        <source>Choose the data folder</source>
        <translation>Elegir la carpeta de datos</translation>
    </message>
    <message>
        <source>Warn when the screen shows too few c&amp;olours</source>
        <translation>Avisar si la pantalla muestra pocos c&amp;olores</translation>
    </message>
    <message>
        <source>Warn when the screen shows too few colours</source>
        <translation>Avisar si la pantalla muestra pocos colores</translation>
    </message>
    <message>
        <source>Warn when the font &amp;Arial is missing</source>
        <translation>Avisar si falta la &amp;fuente Arial</translation>
    </message>
    <message>
        <source>Warn when the font Arial is missing</source>
        <translation>Avisar si falta la fuente Arial</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>El idioma del escritorio</translation>
    </message>
    <message>
        <source>Save the class settings</source>
        <translation>Guardar los ajustes de la clase</translation>
    </message>
    <message>
        <source>Undo the changes not saved</source>
        <translation>Deshacer los cambios no guardados</translation>
    </message>
    <message>
        <source>Teacher&apos;s passwo&amp;rd:</source>
        <translation>Contraseña del &amp;maestro:</translation>
    </message>
    <message>
        <source>Sig&amp;n-in:</source>
        <translation>Modo de en&amp;trada:</translation>
    </message>
    <message>
        <source>&amp;Data folder:</source>
        <translation>Carpeta de &amp;datos:</translation>
    </message>
    <message>
        <source>Lan&amp;guage of the programs:</source>
        <translation>&amp;Idioma de los programas:</translation>
    </message>
    <message>
        <source>Sign-in mode %1, as the class&apos;s settings hold it</source>
        <translation>Modo de entrada %1, tal como lo guardan los ajustes de la clase</translation>
    </message>
    <message>
        <source>sessions logged</source>
        <translation>sesiones registradas</translation>
    </message>
    <message>
        <source>sessions not logged</source>
        <translation>sesiones no registradas</translation>
    </message>
    <message>
        <source>warn</source>
        <translation>avisar</translation>
    </message>
    <message>
        <source>do not warn</source>
        <translation>no avisar</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(vacío)</translation>
    </message>
    <message>
        <source>Each child picks their name from the list when a program starts; everyone shares the class&apos;s settings.</source>
        <translation>Cada niño elige su nombre de la lista al iniciar un programa; todos comparten los ajustes de la clase.</translation>
    </message>
    <message>
        <source>Each child picks their name from the list when a program starts, and keeps settings of their own (their word list, their story).</source>
        <translation>Cada niño elige su nombre de la lista al iniciar un programa y tiene sus propios ajustes (su lista de palabras, su cuento).</translation>
    </message>
    <message>
        <source>The programs start at once, without asking a name; everyone shares the class&apos;s settings, and the log names nobody.</source>
        <translation>Los programas empiezan enseguida, sin pedir un nombre; todos comparten los ajustes de la clase y el registro no nombra a nadie.</translation>
    </message>
    <message>
        <source>The data folder</source>
        <translation>La carpeta de datos</translation>
    </message>
    <message>
        <source>Class settings</source>
        <translation>Ajustes de la clase</translation>
    </message>
    <message>
        <source>This setting was changed in the class folder since the desk showed it.

Here: %1
In the class folder: %2

Which do you keep?</source>
        <translation>Este ajuste ha cambiado en la carpeta de la clase desde que la mesa lo mostró.

Aquí: %1
En la carpeta de la clase: %2

¿Con cuál se queda?</translation>
    </message>
    <message>
        <source>Keep &amp;mine</source>
        <translation>&amp;Quedarme con la mía</translation>
    </message>
    <message>
        <source>Keep the &amp;other</source>
        <translation>Quedarme con la &amp;otra</translation>
    </message>
    <message>
        <source>The folder %1 does not exist; the settings were not saved.</source>
        <translation>La carpeta %1 no existe; los ajustes no se han guardado.</translation>
    </message>
    <message numerus="yes">
        <source>Made %n settings file(s) from TEACHER.WQ for the names that had none.</source>
        <translation>
            <numerusform>Se ha creado %n archivo de ajustes a partir de TEACHER.WQ para el nombre que no tenía.</numerusform>
            <numerusform>Se han creado %n archivos de ajustes a partir de TEACHER.WQ para los nombres que no tenían.</numerusform>
        </translation>
    </message>
    <message>
        <source>The language could not be written to %1.</source>
        <translation>No se ha podido escribir el idioma en %1.</translation>
    </message>
</context>
<context>
    <name>kz::desk::DeskWindow</name>
    <message>
        <source>Teacher&apos;s Desk</source>
        <translation>Mesa del maestro</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>Teacher&apos;s Desk Help</source>
        <translation>Ayuda de la Mesa del maestro</translation>
    </message>
    <message>
        <source>&amp;Children</source>
        <translation>&amp;Niños</translation>
    </message>
    <message>
        <source>Class &amp;settings</source>
        <translation>A&amp;justes de la clase</translation>
    </message>
    <message>
        <source>&amp;Progress</source>
        <translation>&amp;Progreso</translation>
    </message>
    <message>
        <source>&amp;Word lists</source>
        <translation>&amp;Listas de palabras</translation>
    </message>
    <message>
        <source>S&amp;tories</source>
        <translation>&amp;Cuentos</translation>
    </message>
</context>
<context>
    <name>kz::desk::ProgressChart</name>
    <message>
        <source>Minutes and sessions each week</source>
        <translation>Minutos y sesiones por semana</translation>
    </message>
    <message>
        <source>No child read in these days.</source>
        <translation>Ningún niño leyó en estos días.</translation>
    </message>
    <message>
        <source>Kiv</source>
        <translation>Kiv</translation>
    </message>
    <message>
        <source>Zan</source>
        <translation>Zan</translation>
    </message>
    <message>
        <source>1 session</source>
        <translation>1 sesión</translation>
    </message>
    <message>
        <source>%1 sessions</source>
        <translation>%1 sesiones</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minuto</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minutos</translation>
    </message>
    <message>
        <source>week of %1: %2</source>
        <translation>semana del %1: %2</translation>
    </message>
    <message>
        <source>no session</source>
        <translation>ninguna sesión</translation>
    </message>
    <message>
        <source>Kiv (words)</source>
        <translation>Kiv (palabras)</translation>
    </message>
    <message>
        <source>Zan (stories)</source>
        <translation>Zan (cuentos)</translation>
    </message>
    <message>
        <source>Bar: minutes that week. Figure: sessions.</source>
        <translation>Barra: minutos de esa semana. Número: sesiones.</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <extracomment>A week&apos;s Monday (a QDate format).</extracomment>
        <translation>d &apos;de&apos; MMMM &apos;de&apos; yyyy</translation>
    </message>
</context>
<context>
    <name>kz::desk::ProgressPage</name>
    <message>
        <source>Save as &amp;HTML...</source>
        <translation>Guardar como &amp;HTML...</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Save as CS&amp;V...</source>
        <translation>Guardar como CS&amp;V...</translation>
    </message>
    <message>
        <source>First day</source>
        <translation>Primer día</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>Último día</translation>
    </message>
    <message>
        <source>Save the report as a web page</source>
        <translation>Guardar el informe como página web</translation>
    </message>
    <message>
        <source>Print the progress</source>
        <translation>Imprimir el progreso</translation>
    </message>
    <message>
        <source>Save the sessions as CSV for a spreadsheet</source>
        <translation>Guardar las sesiones como CSV para una hoja de cálculo</translation>
    </message>
    <message>
        <source>What is shown</source>
        <translation>Lo que se muestra</translation>
    </message>
    <message>
        <source>Sessions and minutes of each child</source>
        <translation>Sesiones y minutos de cada niño</translation>
    </message>
    <message>
        <source>Children who never read in these days</source>
        <translation>Niños que no leyeron en estos días</translation>
    </message>
    <message>
        <source>Fro&amp;m:</source>
        <translation>&amp;Desde:</translation>
    </message>
    <message>
        <source>T&amp;o:</source>
        <translation>Has&amp;ta:</translation>
    </message>
    <message>
        <source>Each wee&amp;k:</source>
        <translation>Cada &amp;semana:</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Niño</translation>
    </message>
    <message>
        <source>Last session</source>
        <translation>Última sesión</translation>
    </message>
    <message>
        <source>Kiv sessions</source>
        <translation>Sesiones Kiv</translation>
    </message>
    <message>
        <source>Kiv minutes</source>
        <translation>Minutos Kiv</translation>
    </message>
    <message>
        <source>Zan sessions</source>
        <translation>Sesiones Zan</translation>
    </message>
    <message>
        <source>Zan minutes</source>
        <translation>Minutos Zan</translation>
    </message>
    <message>
        <source>Tota&amp;ls:</source>
        <translation>T&amp;otales:</translation>
    </message>
    <message>
        <source>&amp;Never read:</source>
        <translation>Nunca l&amp;eyeron:</translation>
    </message>
    <message>
        <source>The log could not be read just now; it is read again in a moment. Shown: the log as read at %1. (%2)</source>
        <translation>El registro no se ha podido leer ahora; se volverá a leer en un momento. Se muestra: el registro tal como se leyó a las %1. (%2)</translation>
    </message>
    <message>
        <source>The log could not be read: %1</source>
        <translation>No se ha podido leer el registro: %1</translation>
    </message>
    <message>
        <source>The first day is after the last day.</source>
        <translation>El primer día es posterior al último.</translation>
    </message>
    <message>
        <source>Kiv</source>
        <translation>Kiv</translation>
    </message>
    <message>
        <source>Zan</source>
        <translation>Zan</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>(everyone on the list read)</source>
        <translation>(todos los de la lista leyeron)</translation>
    </message>
    <message>
        <source>Signed in as Teacher (not counted): %1 sessions.</source>
        <translation>Con el nombre Teacher (no se cuenta): %1 sesiones.</translation>
    </message>
    <message>
        <source>The log as read at %1.</source>
        <translation>El registro tal como se leyó a las %1.</translation>
    </message>
    <message>
        <source>Save as HTML</source>
        <translation>Guardar como HTML</translation>
    </message>
    <message>
        <source>Could not write %1.</source>
        <translation>No se ha podido escribir %1.</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Guardar como CSV</translation>
    </message>
    <message>
        <source>reading report</source>
        <translation>informe de lectura</translation>
    </message>
    <message>
        <source>Web pages (*.html)</source>
        <translation>Páginas web (*.html)</translation>
    </message>
    <message>
        <source>Save the sessions as CSV</source>
        <translation>Guardar las sesiones como CSV</translation>
    </message>
    <message>
        <source>reading sessions</source>
        <translation>sesiones de lectura</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Reading of %1</source>
        <translation>Lectura de %1</translation>
    </message>
    <message>
        <source>Never read</source>
        <translation>Nunca leyeron</translation>
    </message>
    <message>
        <source>d MMM yyyy</source>
        <extracomment>The days of the date boxes (a QDate format).</extracomment>
        <translation>d MMM yyyy</translation>
    </message>
    <message>
        <source>h:mm:ss ap</source>
        <extracomment>The time the log was read (a QTime format).</extracomment>
        <translation>HH:mm:ss</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <extracomment>A day as the summary names it (a QDate format; the day&apos;s language gives the month).</extracomment>
        <translation>d &apos;de&apos; MMMM &apos;de&apos; yyyy</translation>
    </message>
    <message>
        <source>1 child read in 1 session from %1 to %2.</source>
        <translation>1 niño leyó en 1 sesión del %1 al %2.</translation>
    </message>
    <message>
        <source>1 child read in %1 sessions from %2 to %3.</source>
        <translation>1 niño leyó en %1 sesiones del %2 al %3.</translation>
    </message>
    <message>
        <source>%1 children read in 1 session from %2 to %3.</source>
        <translation>%1 niños leyeron en 1 sesión del %2 al %3.</translation>
    </message>
    <message>
        <source>%1 children read in %2 sessions from %3 to %4.</source>
        <translation>%1 niños leyeron en %2 sesiones del %3 al %4.</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The code of the language the saved report is written in (fr, es, de), for browsers and screen readers.</extracomment>
        <translation>es</translation>
    </message>
</context>
<context>
    <name>kz::desk::StartWindow</name>
    <message>
        <source>Teacher&apos;s Desk</source>
        <translation>Mesa del maestro</translation>
    </message>
    <message>
        <source>The desk works on one class folder: its children, settings, word lists and stories. Open the folder of a class, or make a new class.</source>
        <translation>La mesa trabaja con una carpeta de clase: sus niños, sus ajustes, sus listas de palabras y sus cuentos. Abra la carpeta de una clase o cree una clase nueva.</translation>
    </message>
    <message>
        <source>&amp;Open a class folder...</source>
        <translation>&amp;Abrir la carpeta de una clase...</translation>
    </message>
    <message>
        <source>Open a class folder</source>
        <translation>Abrir la carpeta de una clase</translation>
    </message>
    <message>
        <source>&amp;Make a new class...</source>
        <translation>&amp;Crear una clase nueva...</translation>
    </message>
    <message>
        <source>Make a new class</source>
        <translation>Crear una clase nueva</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Make a new class in this folder</source>
        <translation>Crear una clase nueva en esta carpeta</translation>
    </message>
</context>
<context>
    <name>kz::desk::StoriesPage</name>
    <message>
        <source>Red (books 1 to 16)</source>
        <translation>Rojo (libros 1 a 16)</translation>
    </message>
    <message>
        <source>Yellow (books 17 to 32)</source>
        <translation>Amarillo (libros 17 a 32)</translation>
    </message>
    <message>
        <source>None: Zan lists books 1 to 32 only</source>
        <translation>Ninguno: Zan solo ofrece los libros 1 a 32</translation>
    </message>
    <message>
        <source>Stories in the &amp;data directory, as Zan&apos;s book list shows them:</source>
        <translation>Cuentos de la carpeta de datos, como los muestra la lista de libros de &amp;Zan:</translation>
    </message>
    <message>
        <source>Stories</source>
        <translation>Cuentos</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Make a story from a folder</source>
        <translation>Crear un cuento a partir de una carpeta</translation>
    </message>
    <message>
        <source>Folder with story.txt and the pictures</source>
        <translation>Carpeta con story.txt y los dibujos</translation>
    </message>
    <message>
        <source>Ch&amp;oose...</source>
        <translation>&amp;Elegir...</translation>
    </message>
    <message>
        <source>Choose the folder</source>
        <translation>Elegir la carpeta</translation>
    </message>
    <message>
        <source>Fo&amp;lder:</source>
        <translation>Ca&amp;rpeta:</translation>
    </message>
    <message>
        <source>Story code</source>
        <translation>Código del cuento</translation>
    </message>
    <message>
        <source>A book number 01 to 32 and up to six letters, such as 17WALK</source>
        <translation>Un número de libro del 01 al 32 y hasta seis letras, como 17WALK</translation>
    </message>
    <message>
        <source>Stor&amp;y code:</source>
        <translation>Có&amp;digo del cuento:</translation>
    </message>
    <message>
        <source>Voice of the recordings</source>
        <translation>Voz de las grabaciones</translation>
    </message>
    <message>
        <source>&amp;Voice:</source>
        <translation>&amp;Voz:</translation>
    </message>
    <message>
        <source>Speed of the recordings in words a minute</source>
        <translation>Velocidad de las grabaciones en palabras por minuto</translation>
    </message>
    <message>
        <source> words a minute</source>
        <translation> palabras por minuto</translation>
    </message>
    <message>
        <source>Sp&amp;eed:</source>
        <translation>Vel&amp;ocidad:</translation>
    </message>
    <message>
        <source>&amp;Replace the story that has this number</source>
        <translation>Ree&amp;mplazar el cuento que tiene este número</translation>
    </message>
    <message>
        <source>&amp;Make and show it</source>
        <translation>&amp;Hacer y mostrar</translation>
    </message>
    <message>
        <source>The story before it is kept</source>
        <translation>El cuento antes de guardarlo</translation>
    </message>
    <message>
        <source>Previous p&amp;age</source>
        <translation>Página anter&amp;ior</translation>
    </message>
    <message>
        <source>&amp;Next page</source>
        <translation>Página &amp;siguiente</translation>
    </message>
    <message>
        <source>&amp;Keep the story</source>
        <translation>&amp;Guardar el cuento</translation>
    </message>
    <message>
        <source>D&amp;iscard it</source>
        <translation>Descar&amp;tar</translation>
    </message>
    <message>
        <source>The class now uses another data directory: make the story again to keep it there. Nothing was written.</source>
        <translation>La clase usa ahora otra carpeta de datos: vuelva a hacer el cuento para guardarlo allí. No se ha escrito nada.</translation>
    </message>
    <message>
        <source>No title: Zan does not list it</source>
        <translation>Sin título: Zan no lo ofrece</translation>
    </message>
    <message>
        <source>tick &quot;Replace the story that has this number&quot;</source>
        <translation>marque «Reemplazar el cuento que tiene este número»</translation>
    </message>
    <message>
        <source>Choose the folder that holds story.txt and the pictures.</source>
        <translation>Elija la carpeta que tiene story.txt y los dibujos.</translation>
    </message>
    <message>
        <source>Name the voice of the recordings, such as en-gb.</source>
        <translation>Indique la voz de las grabaciones, por ejemplo es.</translation>
    </message>
    <message>
        <source>Making the story...</source>
        <translation>Haciendo el cuento...</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>No se ha escrito nada.</translation>
    </message>
    <message>
        <source>Make a story</source>
        <translation>Crear un cuento</translation>
    </message>
    <message>
        <source>Look through the pages, then keep the story or discard it. Nothing is written until it is kept.</source>
        <translation>Mire las páginas y luego guarde el cuento o descártelo. No se escribe nada hasta que se guarda.</translation>
    </message>
    <message>
        <source>Keep the story</source>
        <translation>Guardar el cuento</translation>
    </message>
    <message>
        <source>The story &quot;%1&quot; (%2) is kept: Zan lists it under File &gt; Open.</source>
        <translation>El cuento «%1» (%2) se ha guardado: Zan lo ofrece en Archivo &gt; Abrir.</translation>
    </message>
    <message>
        <source>The story was discarded. Nothing was written.</source>
        <translation>El cuento se ha descartado. No se ha escrito nada.</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>Make a story to see its pages here.</source>
        <translation>Cree un cuento para ver aquí sus páginas.</translation>
    </message>
</context>
<context>
    <name>kz::desk::StoryPreview</name>
    <message>
        <source>Page of the story</source>
        <translation>Página del cuento</translation>
    </message>
</context>
<context>
    <name>kz::desk::WordListsPage</name>
    <message>
        <source>&amp;New list</source>
        <translation>Nueva l&amp;ista</translation>
    </message>
    <message>
        <source>S&amp;ave list</source>
        <translation>&amp;Guardar lista</translation>
    </message>
    <message>
        <source>Make with &amp;espeak-ng</source>
        <translation>Hacer con &amp;espeak-ng</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>Gra&amp;bar</translation>
    </message>
    <message>
        <source>&amp;Hear</source>
        <translation>Escuc&amp;har</translation>
    </message>
    <message>
        <source>&amp;Keep</source>
        <translation>C&amp;onservar</translation>
    </message>
    <message>
        <source>Recording &quot;%1&quot;: %2 s. Press Stop recording when the word is said.</source>
        <translation>Grabando «%1»: %2 s. Pulse Parar la grabación cuando se haya dicho la palabra.</translation>
    </message>
    <message>
        <source>&amp;Lists</source>
        <translation>Li&amp;stas</translation>
    </message>
    <message>
        <source>Word lists</source>
        <translation>Listas de palabras</translation>
    </message>
    <message>
        <source>New list</source>
        <translation>Nueva lista</translation>
    </message>
    <message>
        <source>The list</source>
        <translation>La lista</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Words, one a line</source>
        <translation>Palabras, una por línea</translation>
    </message>
    <message>
        <source>Save list</source>
        <translation>Guardar lista</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>T&amp;itle:</source>
        <translation>&amp;Título:</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Archivo:</translation>
    </message>
    <message>
        <source>W&amp;ords (one a line):</source>
        <translation>Palab&amp;ras (una por línea):</translation>
    </message>
    <message>
        <source>Recordings</source>
        <translation>Grabaciones</translation>
    </message>
    <message>
        <source>Recor&amp;dings of the words:</source>
        <translation>Grabaciones &amp;de las palabras:</translation>
    </message>
    <message>
        <source>Recordings of the words</source>
        <translation>Grabaciones de las palabras</translation>
    </message>
    <message>
        <source>espeak-ng voice</source>
        <translation>Voz de espeak-ng</translation>
    </message>
    <message>
        <source>Speed in words a minute</source>
        <translation>Velocidad en palabras por minuto</translation>
    </message>
    <message>
        <source>&amp;Voice:</source>
        <translation>&amp;Voz:</translation>
    </message>
    <message>
        <source>Speed (words a &amp;minute):</source>
        <translation>Velocidad (palabras por &amp;minuto):</translation>
    </message>
    <message>
        <source>Make with espeak-ng</source>
        <translation>Hacer con espeak-ng</translation>
    </message>
    <message>
        <source>Record with the microphone</source>
        <translation>Grabar con el micrófono</translation>
    </message>
    <message>
        <source>Hear</source>
        <translation>Escuchar</translation>
    </message>
    <message>
        <source>Keep the recording</source>
        <translation>Conservar la grabación</translation>
    </message>
    <message>
        <source>What happened</source>
        <translation>Lo que ha pasado</translation>
    </message>
    <message>
        <source>A list named by a book range is titled by it.</source>
        <translation>Una lista que lleva el nombre de una serie de libros tiene esa serie como título.</translation>
    </message>
    <message>
        <source>The activity cannot load this list as it is; saving it rewrites it.</source>
        <translation>La actividad no puede abrir esta lista tal como está; al guardarla se vuelve a escribir.</translation>
    </message>
    <message>
        <source>Every list name this desk gives is taken: remove a list first.</source>
        <translation>Todos los nombres de lista que da esta mesa están ocupados: quite primero una lista.</translation>
    </message>
    <message>
        <source>A new list: give it a title and at least four words, then save it.</source>
        <translation>Una lista nueva: póngale un título y al menos cuatro palabras, y guárdela.</translation>
    </message>
    <message>
        <source>Choose a list, or make a new one, first.</source>
        <translation>Elija primero una lista, o cree una nueva.</translation>
    </message>
    <message>
        <source>The list was changed on disk since it was shown here.

Replace it with the words shown here?</source>
        <translation>La lista ha cambiado en el disco desde que se mostró aquí.

¿Sustituirla por las palabras que se muestran aquí?</translation>
    </message>
    <message>
        <source>Teacher&apos;s Desk</source>
        <translation>Mesa del maestro</translation>
    </message>
    <message>
        <source>Saved.</source>
        <translation>Guardada.</translation>
    </message>
    <message>
        <source>The list name &quot;%1&quot; is not one the word activity offers.</source>
        <translation>El nombre de lista «%1» no es de los que ofrece la actividad de palabras.</translation>
    </message>
    <message>
        <source>Give the list a title: the word activity shows it.</source>
        <translation>Póngale un título a la lista: la actividad de palabras lo muestra.</translation>
    </message>
    <message>
        <source>The title is longer than %1 characters.</source>
        <translation>El título tiene más de %1 caracteres.</translation>
    </message>
    <message>
        <source>The title &quot;%1&quot; holds a character the word activity cannot show.</source>
        <translation>El título «%1» lleva un carácter que la actividad de palabras no puede mostrar.</translation>
    </message>
    <message>
        <source>The word &quot;%1&quot; holds a character the word activity cannot store.</source>
        <translation>La palabra «%1» lleva un carácter que la actividad de palabras no puede guardar.</translation>
    </message>
    <message>
        <source>The word &quot;%1&quot; is shorter than 3 letters, so the activity would leave it out.</source>
        <translation>La palabra «%1» tiene menos de 3 letras, así que la actividad la dejaría fuera.</translation>
    </message>
    <message>
        <source>The word &quot;%1&quot; is longer than 11 letters, so the activity would leave it out.</source>
        <translation>La palabra «%1» tiene más de 11 letras, así que la actividad la dejaría fuera.</translation>
    </message>
    <message>
        <source>The word &quot;%1&quot; starts with &quot;*&quot;, which marks a comment, so the activity would leave it out.</source>
        <translation>La palabra «%1» empieza por «*», que marca un comentario, así que la actividad la dejaría fuera.</translation>
    </message>
    <message>
        <source>The word &quot;%1&quot; is in the list twice.</source>
        <translation>La palabra «%1» está dos veces en la lista.</translation>
    </message>
    <message>
        <source>A list needs at least %1 words.</source>
        <translation>Una lista necesita al menos %1 palabras.</translation>
    </message>
    <message>
        <source>A list holds at most %1 words.</source>
        <translation>Una lista tiene como máximo %1 palabras.</translation>
    </message>
    <message>
        <source>The desk cannot write %1.</source>
        <translation>La mesa no puede escribir %1.</translation>
    </message>
    <message>
        <source>new, from %1: not kept yet</source>
        <translation>nueva, con %1: aún no se ha conservado</translation>
    </message>
    <message>
        <source>no recording</source>
        <translation>sin grabación</translation>
    </message>
    <message>
        <source>recorded (installation folder)</source>
        <translation>grabada (carpeta de la clase)</translation>
    </message>
    <message>
        <source>recorded</source>
        <translation>grabada</translation>
    </message>
    <message>
        <source>%1  -  %2.WAV  -  %3</source>
        <translation>%1  -  %2.WAV  -  %3</translation>
    </message>
    <message>
        <source>espeak-ng is not installed, so no recording can be made with it. Install the package espeak-ng.</source>
        <translation>espeak-ng no está instalado, así que no se puede hacer ninguna grabación con él. Instale el paquete espeak-ng.</translation>
    </message>
    <message>
        <source>espeak-ng could not say &quot;%1&quot; with the voice &quot;%2&quot;.</source>
        <translation>espeak-ng no ha podido decir «%1» con la voz «%2».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; made with espeak-ng. Hear it again, press Keep to keep it, or make it again with another voice or speed.</source>
        <translation>«%1» hecha con espeak-ng. Escúchela otra vez, pulse Conservar para conservarla, o hágala de nuevo con otra voz o velocidad.</translation>
    </message>
    <message>
        <source>No microphone could be opened: %1</source>
        <translation>No se ha podido abrir ningún micrófono: %1</translation>
    </message>
    <message>
        <source>Stop &amp;recording</source>
        <translation>Parar la gra&amp;bación</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>Parar la grabación</translation>
    </message>
    <message>
        <source>Nothing was heard from the microphone. Check that it is plugged in and not muted, and record the word again.</source>
        <translation>No se ha oído nada por el micrófono. Compruebe que está conectado y no silenciado, y vuelva a grabar la palabra.</translation>
    </message>
    <message>
        <source>the microphone</source>
        <translation>el micrófono</translation>
    </message>
    <message>
        <source>&quot;%1&quot; recorded. Hear it again, press Keep to keep it, or record it again.</source>
        <translation>«%1» grabada. Escúchela otra vez, pulse Conservar para conservarla, o vuelva a grabarla.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no recording yet.</source>
        <translation>«%1» aún no tiene grabación.</translation>
    </message>
    <message>
        <source>The desk cannot write the recording of &quot;%1&quot; in the data folder.</source>
        <translation>La mesa no puede escribir la grabación de «%1» en la carpeta de datos.</translation>
    </message>
    <message>
        <source>The recording of &quot;%1&quot; is kept.</source>
        <translation>La grabación de «%1» se ha conservado.</translation>
    </message>
    <message>
        <source>The word &quot;%1&quot; holds something other than the letters A to Z and the accented letters of French, Spanish and German, so the activity would leave it out.</source>
        <translation>La palabra «%1» contiene algo que no son las letras de la A a la Z ni las letras con tilde o diéresis del francés, el español y el alemán, así que la actividad la dejaría fuera.</translation>
    </message>
</context>
</TS>
