<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>kz::zan::ZanSettingsWindow</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Apply to</source>
        <translation>Gilt für</translation>
    </message>
    <message>
        <source>Story loaded when software starts:</source>
        <translation>Geschichte beim Start:</translation>
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
        <source>User can load other stories</source>
        <translation>Kind darf andere Geschichten laden</translation>
    </message>
    <message>
        <source>Correctly selected words are spoken</source>
        <translation>Richtig gewählte Wörter werden gesprochen</translation>
    </message>
    <message>
        <source>User can click to hear whole page</source>
        <translation>Kind kann die ganze Seite anhören</translation>
    </message>
    <message>
        <source>Whole page spoken at start</source>
        <translation>Ganze Seite beim Öffnen vorlesen</translation>
    </message>
    <message>
        <source>The story reader can be used with the red level (books 1 to 16) and the yellow level (books 17 to 32).

Here you choose the story loaded when the software starts, whether the user can load other stories, and which of the optional sounds and clues are on.</source>
        <translation>Der Geschichtenleser ist für die rote Stufe (Bücher 1 bis 16) und die gelbe Stufe (Bücher 17 bis 32).

Hier wählen Sie die Geschichte beim Start, ob das Kind andere Geschichten laden darf und welche Töne und Hilfen eingeschaltet sind.</translation>
    </message>
</context>
<context>
    <name>kz::zan::ZanWindow</name>
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
        <source>&amp;Hear</source>
        <translation>&amp;Hören</translation>
    </message>
    <message>
        <source>&amp;Book</source>
        <translation>&amp;Buch</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Anfang</translation>
    </message>
</context>
</TS>
