<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>kz::ui::ActivityWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Questions</source>
        <translation>&amp;Fragen</translation>
    </message>
    <message>
        <source>Show for...</source>
        <translation>Anzeigen für...</translation>
    </message>
    <message>
        <source>&amp;Answers</source>
        <translation>&amp;Antworten</translation>
    </message>
    <message>
        <source>Se&amp;ttings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Alter the settings</source>
        <translation>Einstellungen ä&amp;ndern</translation>
    </message>
    <message>
        <source>Hel&amp;p</source>
        <translation>Hi&amp;lfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Search for Help on...</source>
        <translation>In der Hilfe &amp;suchen...</translation>
    </message>
    <message>
        <source>&amp;About WQ Story Books...</source>
        <translation>&amp;Über WQ Story Books...</translation>
    </message>
    <message>
        <source>Show &amp;and speak</source>
        <translation>Zeigen &amp;und sagen</translation>
    </message>
    <message>
        <source>Just s&amp;how</source>
        <translation>Nur &amp;zeigen</translation>
    </message>
    <message>
        <source>Just s&amp;peak</source>
        <translation>Nur &amp;sagen</translation>
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
        <translation>&amp;Immer</translation>
    </message>
    <message>
        <source>&amp;2 answers</source>
        <translation>&amp;2 zur Auswahl</translation>
    </message>
    <message>
        <source>&amp;3 choices</source>
        <translation>&amp;3 zur Auswahl</translation>
    </message>
    <message>
        <source>&amp;4 choices</source>
        <translation>&amp;4 zur Auswahl</translation>
    </message>
    <message>
        <source>&amp;Type the answer</source>
        <translation>Antwort &amp;tippen</translation>
    </message>
    <message>
        <source>&amp;See</source>
        <translation>&amp;Sehen</translation>
    </message>
    <message>
        <source>&amp;Hear</source>
        <translation>&amp;Hören</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
</context>
<context>
    <name>kz::ui::SettingsWindow</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Fragen</translation>
    </message>
    <message>
        <source>Show and speak</source>
        <translation>Zeigen und sagen</translation>
    </message>
    <message>
        <source>Just show</source>
        <translation>Nur zeigen</translation>
    </message>
    <message>
        <source>Just speak</source>
        <translation>Nur sagen</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Antworten</translation>
    </message>
    <message>
        <source>Choice of two</source>
        <translation>Zwei zur Auswahl</translation>
    </message>
    <message>
        <source>Choice of three</source>
        <translation>Drei zur Auswahl</translation>
    </message>
    <message>
        <source>Choice of four</source>
        <translation>Vier zur Auswahl</translation>
    </message>
    <message>
        <source>Type the answer</source>
        <translation>Antwort tippen</translation>
    </message>
    <message>
        <source>Menus</source>
        <translation>Menüs</translation>
    </message>
    <message>
        <source>Wordlist</source>
        <translation>Wortliste</translation>
    </message>
    <message>
        <source>Allow loading other wordlists</source>
        <translation>Andere Wortlisten laden erlauben</translation>
    </message>
    <message>
        <source>Allow question/answer changes</source>
        <translation>Fragen und Antworten ändern erlauben</translation>
    </message>
    <message>
        <source>Questions per set</source>
        <translation>Fragen pro Runde</translation>
    </message>
    <message>
        <source>Show for how long?</source>
        <translation>Wie lange anzeigen?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click here to save these settings.</source>
        <translation>Hier klicken, um die Einstellungen zu speichern.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Click here to cancel any changes you have made.</source>
        <translation>Hier klicken, um Ihre Änderungen zu verwerfen.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Hi&amp;lfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Search for Help on...</source>
        <translation>In der Hilfe &amp;suchen...</translation>
    </message>
    <message>
        <source>&amp;About WQ Story Books...</source>
        <translation>&amp;Über WQ Story Books...</translation>
    </message>
    <message>
        <source>Always</source>
        <translation>Immer</translation>
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
