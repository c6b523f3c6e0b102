<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>kz::zan::ZanSettingsWindow</name>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Apply to</source>
        <translation>Para quién</translation>
    </message>
    <message>
        <source>Story loaded when software starts:</source>
        <translation>Cuento que se abre al empezar:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Click here to save these settings.</source>
        <translation>Haga clic aquí para guardar estos ajustes.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Click here to cancel any changes you have made.</source>
        <translation>Haga clic aquí para deshacer sus cambios.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como...</translation>
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
        <source>&amp;Search for Help on...</source>
        <translation>&amp;Buscar en la ayuda...</translation>
    </message>
    <message>
        <source>&amp;About WQ Story Books...</source>
        <translation>&amp;Acerca de WQ Story Books...</translation>
    </message>
    <message>
        <source>User can load other stories</source>
        <translation>El niño puede abrir otros cuentos</translation>
    </message>
    <message>
        <source>Correctly selected words are spoken</source>
        <translation>Se leen las palabras bien elegidas</translation>
    </message>
    <message>
        <source>User can click to hear whole page</source>
        <translation>El niño puede oír toda la página</translation>
    </message>
    <message>
        <source>Whole page spoken at start</source>
        <translation>Página entera leída al empezar</translation>
    </message>
    <message>
        <source>The story reader can be used with the red level (books 1 to 16) and the yellow level (books 17 to 32).

Here you choose the story loaded when the software starts, whether the user can load other stories, and which of the optional sounds and clues are on.</source>
        <translation>El lector de cuentos sirve para el nivel rojo (libros 1 a 16) y el nivel amarillo (libros 17 a 32).

Aquí elige el cuento que se abre al empezar, si el niño puede abrir otros cuentos y qué sonidos y pistas están activados.</translation>
    </message>
</context>
<context>
    <name>kz::zan::ZanWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Se&amp;ttings</source>
        <translation>Aj&amp;ustes</translation>
    </message>
    <message>
        <source>&amp;Alter the settings</source>
        <translation>&amp;Cambiar los ajustes</translation>
    </message>
    <message>
        <source>Hel&amp;p</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Search for Help on...</source>
        <translation>&amp;Buscar en la ayuda...</translation>
    </message>
    <message>
        <source>&amp;About WQ Story Books...</source>
        <translation>&amp;Acerca de WQ Story Books...</translation>
    </message>
    <message>
        <source>&amp;Hear</source>
        <translation>&amp;Oír</translation>
    </message>
    <message>
        <source>&amp;Book</source>
        <translation>&amp;Libro</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>A&amp;trás</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Seguir</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Inicio</translation>
    </message>
</context>
</TS>
