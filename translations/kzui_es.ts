<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>kz::DisplayCheck</name>
    <message>
        <source>The WQ software includes colour illustrations which are designed for display on a screen showing at least 256 colours.  Your present Windows setup allows only %1 colours.

You may proceed, but any colour pictures will be of poor quality, and on some systems the software may run very slowly.

Do you want to proceed?</source>
        <translation>El programa WQ incluye ilustraciones en color pensadas para una pantalla de al menos 256 colores.  Su pantalla solo muestra ahora %1 colores.

Puede continuar, pero las imágenes en color se verán mal y en algunos equipos el programa puede ir muy lento.

¿Desea continuar?</translation>
    </message>
    <message>
        <source>This software needs the &quot;Arial&quot; font, normally supplied with Windows.  This font cannot be found.  Please install it.

Without it, the software will try to use an alternative font, but the results are not guaranteed.

Do you wish to proceed?</source>
        <translation>Este programa necesita la fuente «Arial».  No se encuentra.  Por favor, instálela.

Sin ella, el programa usará otra fuente, pero el resultado no está garantizado.

¿Desea continuar?</translation>
    </message>
</context>
<context>
    <name>kz::FatalError</name>
    <message>
        <source>Unable to start</source>
        <translation>No se puede iniciar</translation>
    </message>
    <message>
        <source>Fatal error.

The settings file is missing, corrupt or unavailable:

%1

If necessary, re-install the software.</source>
        <translation>Error grave.

El archivo de ajustes falta, está dañado o no está disponible:

%1

Si es necesario, vuelva a instalar el programa.</translation>
    </message>
    <message>
        <source>Fatal error.

This file is missing or unavailable:

%1

If necessary, re-install the software.</source>
        <translation>Error grave.

Este archivo falta o no está disponible:

%1

Si es necesario, vuelva a instalar el programa.</translation>
    </message>
    <message>
        <source>Fatal error.

This data file is corrupt (bad header information):

%1

Delete it, and then if necessary re-install the software.</source>
        <translation>Error grave.

Este archivo de datos está dañado (cabecera incorrecta):

%1

Bórrelo y, si es necesario, vuelva a instalar el programa.</translation>
    </message>
    <message>
        <source>Fatal error.

This data file is corrupt (bad frame header):

%1

Delete it, and then if necessary re-install the software.</source>
        <translation>Error grave.

Este archivo de datos está dañado (cabecera de página incorrecta):

%1

Bórrelo y, si es necesario, vuelva a instalar el programa.</translation>
    </message>
    <message>
        <source>Fatal error.  Unable to open a suitable story.

Please ensure that the directory
%1/DATA
contains a data file for one of the red or yellow level stories as its first entry.  A likely file would be 25SAMPLE.DAT

This software will now quit.</source>
        <translation>Error grave.  No se puede abrir ningún cuento.

Compruebe que la carpeta
%1/DATA
contiene en primer lugar el archivo de datos de un cuento del nivel rojo o amarillo, por ejemplo 25SAMPLE.DAT

El programa se cerrará ahora.</translation>
    </message>
    <message>
        <source>Fatal error.

Error type: %1

%2</source>
        <translation>Error grave.

Tipo de error: %1

%2</translation>
    </message>
</context>
<context>
    <name>kz::KivSettings</name>
    <message>
        <source>1 (no frogs)</source>
        <translation>1 (sin ranas)</translation>
    </message>
</context>
<context>
    <name>kz::Password</name>
    <message>
        <source>Wrong password</source>
        <translation>Contraseña incorrecta</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
</context>
<context>
    <name>kz::Recovery</name>
    <message>
        <source>This folder name has letters that cannot be stored in the settings file. Please use a folder whose name has only Western European letters.</source>
        <translation>El nombre de esta carpeta tiene letras que el archivo de ajustes no puede guardar. Use una carpeta cuyo nombre solo tenga letras de Europa occidental.</translation>
    </message>
    <message>
        <source>WQ %1 CD not found!

If you are running from CD, please insert the WQ %1 CD now, then click on &apos;Try again&apos;.

If you have only recently inserted the CD, please wait a while before clicking on &apos;Try again&apos;, because your computer may take some time to recognise the new CD.

If you are sure the WQ %1 CD is in the drive (you must use the CD drive from which you installed it), or if you are not running from CD, please click on &apos;Details&apos;.</source>
        <translation>¡No se encuentra el CD WQ %1!

Si usa el CD, inserte ahora el CD WQ %1 y haga clic en «Reintentar».

Si acaba de insertar el CD, espere un poco antes de hacer clic en «Reintentar»: el equipo puede tardar en reconocer el CD nuevo.

Si está seguro de que el CD WQ %1 está en la unidad (la misma desde la que se instaló), o si no usa el CD, haga clic en «Detalles».</translation>
    </message>
    <message>
        <source>SUCCESS!

The file was found at the new data directory which you gave, namely

%1

Do you want to save this change, and use this new directory PERMANENTLY as the data directory?

(If you answer &quot;No&quot;, the change will apply for this session only.)</source>
        <translation>¡ENCONTRADO!

El archivo se ha encontrado en la nueva carpeta de datos indicada:

%1

¿Desea guardar este cambio y usar esta carpeta DE FORMA PERMANENTE como carpeta de datos?

(Si responde «No», el cambio solo valdrá para esta sesión.)</translation>
    </message>
    <message>
        <source>Data files needed by this application cannot be found.

If you are using a CD version, ensure that the correct CD is in the drive.

Correct the problem and click on &quot;Try again&quot;, or click on &quot;Details...&quot; for a full explanation.</source>
        <translation>No se encuentran archivos de datos que el programa necesita.

Si usa una versión en CD, compruebe que el CD correcto está en la unidad.

Corrija el problema y haga clic en «Reintentar», o haga clic en «Detalles...» para una explicación completa.</translation>
    </message>
    <message>
        <source>Various data files are missing.

The expected location is
%1

One possibility is that network or CD drive letters have changed.  You can type a new location in the box below then click on &quot;Try again&quot;.  If you are using a CD, type the folder where it is mounted, for example /media/cdrom

If this does not help, re-install the software.</source>
        <translation>Faltan varios archivos de datos.

Deberían estar en
%1

Quizá hayan cambiado las letras de las unidades de red o de CD.  Puede escribir una nueva ubicación en el cuadro de abajo y hacer clic en «Reintentar».  Para un CD, escriba la carpeta donde está montado, por ejemplo /media/cdrom

Si esto no lo arregla, vuelva a instalar el programa.</translation>
    </message>
    <message>
        <source>The file that cannot be found is
%1

The expected location is the data directory
%2
or the installation directory
%3
(These may be the same.)

To try another location (for example if network or CD drive letters have been altered), type it in the box below then click on &quot;Try again&quot;.  If you are using a CD, type the folder where it is mounted, for example /media/cdrom</source>
        <translation>El archivo que no se encuentra es
%1

Debería estar en la carpeta de datos
%2
o en la carpeta de instalación
%3
(Pueden ser la misma.)

Para probar otra ubicación (por ejemplo, si han cambiado las letras de las unidades de red o de CD), escríbala en el cuadro de abajo y haga clic en «Reintentar».  Para un CD, escriba la carpeta donde está montado, por ejemplo /media/cdrom</translation>
    </message>
    <message>
        <source>No books could be found!

If you are running from CD, please insert a WQ CD now, then click on &apos;Try again&apos;.

If you have only recently inserted the CD, please wait a while before clicking on &apos;Try again&apos;, because your computer may take some time to recognise the new CD.

If you are sure a WQ CD is in the drive (you must use the CD drive from which you installed it), or if you are not running from CD, please click on &apos;Details&apos;.</source>
        <translation>¡No se ha encontrado ningún libro!

Si usa un CD, inserte ahora un CD WQ y haga clic en «Reintentar».

Si acaba de insertar el CD, espere un poco antes de hacer clic en «Reintentar»: el equipo puede tardar en reconocer el CD nuevo.

Si está seguro de que hay un CD WQ en la unidad (la misma desde la que se instaló), o si no usa un CD, haga clic en «Detalles».</translation>
    </message>
</context>
<context>
    <name>kz::Settings</name>
    <message>
        <source>It was not possible to save the settings/password.

Any changes you have made will apply for this session only.</source>
        <translation>No se han podido guardar los ajustes o la contraseña.

Sus cambios solo valdrán para esta sesión.</translation>
    </message>
    <message>
        <source>It was not possible to save the settings file
%1</source>
        <translation>No se ha podido guardar el archivo de ajustes
%1</translation>
    </message>
</context>
<context>
    <name>kz::SettingsEditor</name>
    <message>
        <source>These settings apply to everyone.</source>
        <translation>Estos ajustes son para todos.</translation>
    </message>
    <message>
        <source>Individual settings are being used.</source>
        <translation>Cada usuario tiene sus propios ajustes.</translation>
    </message>
    <message>
        <source>Settings for %1</source>
        <translation>Ajustes de %1</translation>
    </message>
    <message>
        <source>Save as settings for...</source>
        <translation>Guardar como ajustes de...</translation>
    </message>
    <message>
        <source>Changes not saved</source>
        <translation>Cambios sin guardar</translation>
    </message>
    <message>
        <source>Open settings for...</source>
        <translation>Abrir los ajustes de...</translation>
    </message>
    <message>
        <source>These settings have been altered but not saved.

Are you sure want to open other settings, without saving these first?</source>
        <translation>Estos ajustes se han cambiado pero no se han guardado.

¿Seguro que quiere abrir otros ajustes sin guardar antes estos?</translation>
    </message>
    <message>
        <source>%1 has no settings file yet.

Use Save As to give %1 these settings.</source>
        <translation>%1 aún no tiene archivo de ajustes.

Use «Guardar como» para dar estos ajustes a %1.</translation>
    </message>
    <message>
        <source>The settings file of %1 cannot be read:
%2

Use Save As to give %1 these settings.</source>
        <translation>No se puede leer el archivo de ajustes de %1:
%2

Use «Guardar como» para dar estos ajustes a %1.</translation>
    </message>
    <message>
        <source>Settings for 
%1</source>
        <translation>Ajustes de 
%1</translation>
    </message>
</context>
<context>
    <name>kz::Startup</name>
    <message>
        <source>Can&apos;t write to log</source>
        <translation>No se puede escribir el registro</translation>
    </message>
    <message>
        <source>It was not possible to update the tracking log file with details of this session.

Do you want to try again?</source>
        <translation>No se ha podido anotar esta sesión en el registro de seguimiento.

¿Desea volver a intentarlo?</translation>
    </message>
</context>
<context>
    <name>kz::StoryNames</name>
    <message>
        <source>Pictures by %1</source>
        <translation>Dibujos de %1</translation>
    </message>
    <message>
        <source>Story %1
Pictures by %2</source>
        <translation>Cuento %1
Dibujos de %2</translation>
    </message>
    <message>
        <source>Books %1 to %2</source>
        <translation>Libros %1 a %2</translation>
    </message>
    <message>
        <source>retold by %1</source>
        <translation>contado por %1</translation>
    </message>
    <message>
        <source>by %1</source>
        <translation>de %1</translation>
    </message>
    <message>
        <source>All books 1 to %1</source>
        <translation>Todos los libros del 1 al %1</translation>
    </message>
    <message>
        <source>Up to book %1</source>
        <translation>Hasta el libro %1</translation>
    </message>
</context>
<context>
    <name>kz::StorySource</name>
    <message>
        <source>the title page</source>
        <translation>La portada</translation>
    </message>
    <message>
        <source>page %1</source>
        <translation>La página %1</translation>
    </message>
    <message>
        <source>%1 (story.txt line %2)</source>
        <translation>%1 (línea %2 de story.txt)</translation>
    </message>
    <message>
        <source>%1: the word %2 holds a letter that Windows-1252 text (the story file&apos;s) cannot hold.</source>
        <translation>%1: la palabra %2 tiene una letra que el texto Windows-1252 (el del archivo del cuento) no puede guardar.</translation>
    </message>
    <message>
        <source>%1: the word %2 is too long for a line.</source>
        <translation>%1: la palabra %2 es demasiado larga para una línea.</translation>
    </message>
    <message>
        <source>%1 has more words than a page can take: %2 words need %3 lines of about %4 letters, and a page shows %5. Move some of its text to a page of its own.</source>
        <translation>%1 tiene más palabras de las que caben en una página: %2 palabras necesitan %3 líneas de unas %4 letras, y una página muestra %5. Pase parte de su texto a una página propia.</translation>
    </message>
    <message>
        <source>The story code %1 is not two digits followed by up to six letters or digits (such as 17WALK).</source>
        <translation>El código del cuento %1 no son dos cifras seguidas de hasta seis letras o cifras (como 17WALK).</translation>
    </message>
    <message>
        <source>The story code %1 is numbered %2; the story reader opens only stories numbered 01 to 32.</source>
        <translation>El código del cuento %1 lleva el número %2; el lector de cuentos solo abre cuentos numerados del 01 al 32.</translation>
    </message>
    <message>
        <source>story.txt is not UTF-8 text.</source>
        <translation>story.txt no es texto UTF-8.</translation>
    </message>
    <message>
        <source>story.txt must begin with the story&apos;s title on its first line.</source>
        <translation>story.txt debe empezar con el título del cuento en su primera línea.</translation>
    </message>
    <message>
        <source>The credit %1 holds a letter Windows-1252 cannot hold.</source>
        <translation>El crédito %1 tiene una letra que Windows-1252 no puede guardar.</translation>
    </message>
    <message>
        <source>story.txt has no pages: after the title, leave a blank line, then give each page as a line [picture.png] followed by its text.</source>
        <translation>story.txt no tiene páginas: después del título, deje una línea en blanco y escriba cada página como una línea [imagen.png] seguida de su texto.</translation>
    </message>
    <message>
        <source>%1 does not begin with its picture, written as [picture.png].</source>
        <translation>%1 no empieza con su imagen, escrita como [imagen.png].</translation>
    </message>
    <message>
        <source>%1 has a picture but no text.</source>
        <translation>%1 tiene una imagen pero no tiene texto.</translation>
    </message>
    <message>
        <source>story.txt has %1 pages; a story has at most 99 (its recordings are numbered 01 to 99).</source>
        <translation>story.txt tiene %1 páginas; un cuento tiene como máximo 99 (sus grabaciones van numeradas del 01 al 99).</translation>
    </message>
</context>
<context>
    <name>kz::TrackingLog</name>
    <message>
        <source>Log too long</source>
        <translation>Registro demasiado largo</translation>
    </message>
    <message>
        <source>Message for teacher.

The tracking log file is nearly full.

Please delete some of it.</source>
        <translation>Mensaje para el profesorado.

El registro de seguimiento está casi lleno.

Por favor, borre una parte.</translation>
    </message>
</context>
<context>
    <name>kz::WordList</name>
    <message>
        <source>Unable to load the file

%1</source>
        <translation>No se puede abrir el archivo

%1</translation>
    </message>
    <message>
        <source>The file

%1

is not a suitable wordlist file.</source>
        <translation>El archivo

%1

no es una lista de palabras válida.</translation>
    </message>
    <message>
        <source>The file

%1

does not contain enough words.</source>
        <translation>El archivo

%1

no contiene suficientes palabras.</translation>
    </message>
</context>
<context>
    <name>kz::ui::ChooserDialog</name>
    <message>
        <source>Choose a story</source>
        <translation>Elige un cuento</translation>
    </message>
    <message>
        <source>Choose a wordlist</source>
        <translation>Elige una lista de palabras</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>kz::ui::DisplayCheckDialog</name>
    <message>
        <source>Yes - proceed</source>
        <translation>Sí - continuar</translation>
    </message>
    <message>
        <source>No - quit</source>
        <translation>No - salir</translation>
    </message>
    <message>
        <source>  Omit this warning in future.</source>
        <translation>  No volver a mostrar este aviso.</translation>
    </message>
    <message>
        <source>WQ Story Books Software</source>
        <translation>Programa WQ Story Books</translation>
    </message>
</context>
<context>
    <name>kz::ui::HelpWindow</name>
    <message>
        <source>Type a word to look for</source>
        <translation>Escriba una palabra para buscar</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>&lt;p&gt;The help document %1 could not be read.&lt;/p&gt;</source>
        <translation>&lt;p&gt;No se ha podido leer el documento de ayuda %1.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>kz::ui::MainFrame</name>
    <message>
        <source>Words</source>
        <translation>Palabras</translation>
    </message>
    <message>
        <source>Phrases</source>
        <translation>Frases</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Search for help on...</source>
        <translation>&amp;Buscar en la ayuda...</translation>
    </message>
    <message>
        <source>&amp;About WQ Story Books...</source>
        <translation>&amp;Acerca de WQ Story Books...</translation>
    </message>
    <message>
        <source> Help</source>
        <translation> - Ayuda</translation>
    </message>
</context>
<context>
    <name>kz::ui::PasswordDialog</name>
    <message>
        <source>PASSWORD</source>
        <translation>CONTRASEÑA</translation>
    </message>
    <message>
        <source>       This is for teacher use only.       Please type the password, then hit ENTER or click on the green tick.  Use the cross to cancel.  Read the manual if you have forgotten the password!</source>
        <translation>       Solo para el profesorado.       Escriba la contraseña y pulse INTRO o haga clic en la marca verde.  La cruz cancela.  Si ha olvidado la contraseña, consulte el manual.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>kz::ui::RecoveryDialog</name>
    <message>
        <source>&amp;Try again</source>
        <translation>&amp;Reintentar</translation>
    </message>
    <message>
        <source>&amp;Details...</source>
        <translation>&amp;Detalles...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>kz::ui::SignInDialog</name>
    <message>
        <source>F3 to exit</source>
        <translation>F3 para salir</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>What
is your name?</source>
        <translation>¿Cómo
te llamas?</translation>
    </message>
</context>
<context>
    <name>kz::ui::StartupWindow</name>
    <message>
        <source>Kiv: words   •   Zan: stories</source>
        <translation>Kiv: palabras   •   Zan: cuentos</translation>
    </message>
    <message>
        <source>Reading activities for young children</source>
        <translation>Actividades de lectura para los más pequeños</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Version 3.10 December 2010</source>
        <translation>Versión 3.10 diciembre de 2010</translation>
    </message>
</context>
</TS>
