<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>kz::ui::ActivityWindow</name>
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
        <source>&amp;Questions</source>
        <translation>&amp;Preguntas</translation>
    </message>
    <message>
        <source>Show for...</source>
        <translation>Mostrar durante...</translation>
    </message>
    <message>
        <source>&amp;Answers</source>
        <translation>&amp;Respuestas</translation>
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
        <source>Show &amp;and speak</source>
        <translation>Mostrar &amp;y decir</translation>
    </message>
    <message>
        <source>Just s&amp;how</source>
        <translation>Solo &amp;mostrar</translation>
    </message>
    <message>
        <source>Just s&amp;peak</source>
        <translation>Solo &amp;decir</translation>
    </message>
    <message>
        <source>&amp;0.5 sec</source>
        <translation>&amp;0,5 s</translation>
    </message>
    <message>
        <source>&amp;1 sec</source>
        <translation>&amp;1 s</translation>
    </message>
    <message>
        <source>&amp;2 sec</source>
        <translation>&amp;2 s</translation>
    </message>
    <message>
        <source>&amp;3 sec</source>
        <translation>&amp;3 s</translation>
    </message>
    <message>
        <source>&amp;4 sec</source>
        <translation>&amp;4 s</translation>
    </message>
    <message>
        <source>&amp;Always</source>
        <translation>&amp;Siempre</translation>
    </message>
    <message>
        <source>&amp;2 answers</source>
        <translation>&amp;2 opciones</translation>
    </message>
    <message>
        <source>&amp;3 choices</source>
        <translation>&amp;3 opciones</translation>
    </message>
    <message>
        <source>&amp;4 choices</source>
        <translation>&amp;4 opciones</translation>
    </message>
    <message>
        <source>&amp;Type the answer</source>
        <translation>&amp;Escribir la respuesta</translation>
    </message>
    <message>
        <source>&amp;See</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Hear</source>
        <translation>&amp;Oír</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Seguir</translation>
    </message>
</context>
<context>
    <name>kz::ui::SettingsWindow</name>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Preguntas</translation>
    </message>
    <message>
        <source>Show and speak</source>
        <translation>Mostrar y decir</translation>
    </message>
    <message>
        <source>Just show</source>
        <translation>Solo mostrar</translation>
    </message>
    <message>
        <source>Just speak</source>
        <translation>Solo decir</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Respuestas</translation>
    </message>
    <message>
        <source>Choice of two</source>
        <translation>Elegir entre dos</translation>
    </message>
    <message>
        <source>Choice of three</source>
        <translation>Elegir entre tres</translation>
    </message>
    <message>
        <source>Choice of four</source>
        <translation>Elegir entre cuatro</translation>
    </message>
    <message>
        <source>Type the answer</source>
        <translation>Escribir la respuesta</translation>
    </message>
    <message>
        <source>Menus</source>
        <translation>Menús</translation>
    </message>
    <message>
        <source>Wordlist</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Allow loading other wordlists</source>
        <translation>Permitir abrir otras listas</translation>
    </message>
    <message>
        <source>Allow question/answer changes</source>
        <translation>Permitir cambiar preguntas y respuestas</translation>
    </message>
    <message>
        <source>Questions per set</source>
        <translation>Preguntas por serie</translation>
    </message>
    <message>
        <source>Show for how long?</source>
        <translation>¿Cuánto tiempo se muestra?</translation>
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
        <source>Always</source>
        <translation>Siempre</translation>
    </message>
    <message>
        <source>4 sec</source>
        <translation>4 s</translation>
    </message>
    <message>
        <source>3 sec</source>
        <translation>3 s</translation>
    </message>
    <message>
        <source>2 sec</source>
        <translation>2 s</translation>
    </message>
    <message>
        <source>1 sec</source>
        <translation>1 s</translation>
    </message>
    <message>
        <source>0.5 sec</source>
        <translation>0,5 s</translation>
    </message>
</context>
</TS>
