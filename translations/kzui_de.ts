<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>kz::DisplayCheck</name>
    <message>
        <source>The WQ software includes colour illustrations which are designed for display on a screen showing at least 256 colours.  Your present Windows setup allows only %1 colours.

You may proceed, but any colour pictures will be of poor quality, and on some systems the software may run very slowly.

Do you want to proceed?</source>
        <translation>Die WQ-Software enthält farbige Bilder für einen Bildschirm mit mindestens 256 Farben.  Ihr Bildschirm zeigt zurzeit nur %1 Farben.

Sie können fortfahren, aber Farbbilder sehen dann schlecht aus, und auf manchen Rechnern läuft die Software sehr langsam.

Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>This software needs the &quot;Arial&quot; font, normally supplied with Windows.  This font cannot be found.  Please install it.

Without it, the software will try to use an alternative font, but the results are not guaranteed.

Do you wish to proceed?</source>
        <translation>Diese Software braucht die Schriftart „Arial“.  Sie wurde nicht gefunden.  Bitte installieren Sie sie.

Ohne sie verwendet die Software eine andere Schrift, doch die Darstellung ist dann nicht garantiert.

Möchten Sie fortfahren?</translation>
    </message>
</context>
<context>
    <name>kz::FatalError</name>
    <message>
        <source>Unable to start</source>
        <translation>Start nicht möglich</translation>
    </message>
    <message>
        <source>Fatal error.

The settings file is missing, corrupt or unavailable:

%1

If necessary, re-install the software.</source>
        <translation>Schwerer Fehler.

Die Einstellungsdatei fehlt, ist beschädigt oder nicht erreichbar:

%1

Installieren Sie die Software bei Bedarf neu.</translation>
    </message>
    <message>
        <source>Fatal error.

This file is missing or unavailable:

%1

If necessary, re-install the software.</source>
        <translation>Schwerer Fehler.

Diese Datei fehlt oder ist nicht erreichbar:

%1

Installieren Sie die Software bei Bedarf neu.</translation>
    </message>
    <message>
        <source>Fatal error.

This data file is corrupt (bad header information):

%1

Delete it, and then if necessary re-install the software.</source>
        <translation>Schwerer Fehler.

Diese Datendatei ist beschädigt (fehlerhafter Dateikopf):

%1

Löschen Sie sie und installieren Sie die Software bei Bedarf neu.</translation>
    </message>
    <message>
        <source>Fatal error.

This data file is corrupt (bad frame header):

%1

Delete it, and then if necessary re-install the software.</source>
        <translation>Schwerer Fehler.

Diese Datendatei ist beschädigt (fehlerhafter Seitenkopf):

%1

Löschen Sie sie und installieren Sie die Software bei Bedarf neu.</translation>
    </message>
    <message>
        <source>Fatal error.  Unable to open a suitable story.

Please ensure that the directory
%1/DATA
contains a data file for one of the red or yellow level stories as its first entry.  A likely file would be 25SAMPLE.DAT

This software will now quit.</source>
        <translation>Schwerer Fehler.  Es lässt sich keine passende Geschichte öffnen.

Bitte prüfen Sie, ob der Ordner
%1/DATA
als ersten Eintrag die Datendatei einer Geschichte der roten oder gelben Stufe enthält, etwa 25SAMPLE.DAT

Die Software wird jetzt beendet.</translation>
    </message>
    <message>
        <source>Fatal error.

Error type: %1

%2</source>
        <translation>Schwerer Fehler.

Fehlerart: %1

%2</translation>
    </message>
</context>
<context>
    <name>kz::KivSettings</name>
    <message>
        <source>1 (no frogs)</source>
        <translation>1 (ohne Frosch)</translation>
    </message>
</context>
<context>
    <name>kz::Password</name>
    <message>
        <source>Wrong password</source>
        <translation>Falsches Passwort</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
</context>
<context>
    <name>kz::Recovery</name>
    <message>
        <source>This folder name has letters that cannot be stored in the settings file. Please use a folder whose name has only Western European letters.</source>
        <translation>Dieser Ordnername enthält Buchstaben, die die Einstellungsdatei nicht speichern kann. Bitte wählen Sie einen Ordner, dessen Name nur westeuropäische Buchstaben hat.</translation>
    </message>
    <message>
        <source>WQ %1 CD not found!

If you are running from CD, please insert the WQ %1 CD now, then click on &apos;Try again&apos;.

If you have only recently inserted the CD, please wait a while before clicking on &apos;Try again&apos;, because your computer may take some time to recognise the new CD.

If you are sure the WQ %1 CD is in the drive (you must use the CD drive from which you installed it), or if you are not running from CD, please click on &apos;Details&apos;.</source>
        <translation>CD WQ %1 nicht gefunden!

Wenn Sie von CD arbeiten, legen Sie jetzt die CD WQ %1 ein und klicken Sie auf „Erneut versuchen“.

Wenn Sie die CD gerade erst eingelegt haben, warten Sie kurz, bevor Sie auf „Erneut versuchen“ klicken: Der Rechner braucht manchmal etwas Zeit, um eine neue CD zu erkennen.

Wenn die CD WQ %1 sicher im Laufwerk liegt (im selben Laufwerk wie bei der Installation) oder Sie nicht von CD arbeiten, klicken Sie auf „Details“.</translation>
    </message>
    <message>
        <source>SUCCESS!

The file was found at the new data directory which you gave, namely

%1

Do you want to save this change, and use this new directory PERMANENTLY as the data directory?

(If you answer &quot;No&quot;, the change will apply for this session only.)</source>
        <translation>GEFUNDEN!

Die Datei liegt im neuen Datenordner, den Sie angegeben haben:

%1

Möchten Sie diese Änderung speichern und diesen Ordner DAUERHAFT als Datenordner verwenden?

(Wenn Sie „Nein“ antworten, gilt die Änderung nur für diese Sitzung.)</translation>
    </message>
    <message>
        <source>Data files needed by this application cannot be found.

If you are using a CD version, ensure that the correct CD is in the drive.

Correct the problem and click on &quot;Try again&quot;, or click on &quot;Details...&quot; for a full explanation.</source>
        <translation>Benötigte Datendateien wurden nicht gefunden.

Wenn Sie eine CD-Version verwenden, prüfen Sie, ob die richtige CD im Laufwerk liegt.

Beheben Sie das Problem und klicken Sie auf „Erneut versuchen“, oder klicken Sie auf „Details...“ für eine ausführliche Erklärung.</translation>
    </message>
    <message>
        <source>Various data files are missing.

The expected location is
%1

One possibility is that network or CD drive letters have changed.  You can type a new location in the box below then click on &quot;Try again&quot;.  If you are using a CD, type the folder where it is mounted, for example /media/cdrom

If this does not help, re-install the software.</source>
        <translation>Mehrere Datendateien fehlen.

Erwartet werden sie in
%1

Vielleicht haben sich die Laufwerksbuchstaben von Netz- oder CD-Laufwerken geändert.  Sie können unten einen neuen Ort eingeben und auf „Erneut versuchen“ klicken.  Geben Sie bei einer CD den Ordner an, in dem sie eingebunden ist, etwa /media/cdrom

Hilft das nicht, installieren Sie die Software neu.</translation>
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
        <translation>Diese Datei wurde nicht gefunden:
%1

Erwartet wird sie im Datenordner
%2
oder im Installationsordner
%3
(Beide können derselbe sein.)

Um einen anderen Ort zu versuchen (etwa wenn sich Laufwerksbuchstaben von Netz- oder CD-Laufwerken geändert haben), geben Sie ihn unten ein und klicken Sie auf „Erneut versuchen“.  Geben Sie bei einer CD den Ordner an, in dem sie eingebunden ist, etwa /media/cdrom</translation>
    </message>
    <message>
        <source>No books could be found!

If you are running from CD, please insert a WQ CD now, then click on &apos;Try again&apos;.

If you have only recently inserted the CD, please wait a while before clicking on &apos;Try again&apos;, because your computer may take some time to recognise the new CD.

If you are sure a WQ CD is in the drive (you must use the CD drive from which you installed it), or if you are not running from CD, please click on &apos;Details&apos;.</source>
        <translation>Es wurden keine Bücher gefunden!

Wenn Sie von CD arbeiten, legen Sie jetzt eine WQ-CD ein und klicken Sie auf „Erneut versuchen“.

Wenn Sie die CD gerade erst eingelegt haben, warten Sie kurz, bevor Sie auf „Erneut versuchen“ klicken: Der Rechner braucht manchmal etwas Zeit, um eine neue CD zu erkennen.

Wenn sicher eine WQ-CD im Laufwerk liegt (im selben Laufwerk wie bei der Installation) oder Sie nicht von CD arbeiten, klicken Sie auf „Details“.</translation>
    </message>
</context>
<context>
    <name>kz::Settings</name>
    <message>
        <source>It was not possible to save the settings/password.

Any changes you have made will apply for this session only.</source>
        <translation>Die Einstellungen bzw. das Passwort konnten nicht gespeichert werden.

Ihre Änderungen gelten nur für diese Sitzung.</translation>
    </message>
    <message>
        <source>It was not possible to save the settings file
%1</source>
        <translation>Die Einstellungsdatei konnte nicht gespeichert werden:
%1</translation>
    </message>
</context>
<context>
    <name>kz::SettingsEditor</name>
    <message>
        <source>These settings apply to everyone.</source>
        <translation>Diese Einstellungen gelten für alle.</translation>
    </message>
    <message>
        <source>Individual settings are being used.</source>
        <translation>Jedes Kind hat eigene Einstellungen.</translation>
    </message>
    <message>
        <source>Settings for %1</source>
        <translation>Einstellungen für %1</translation>
    </message>
    <message>
        <source>Save as settings for...</source>
        <translation>Als Einstellungen speichern für...</translation>
    </message>
    <message>
        <source>Changes not saved</source>
        <translation>Änderungen nicht gespeichert</translation>
    </message>
    <message>
        <source>Open settings for...</source>
        <translation>Einstellungen öffnen für...</translation>
    </message>
    <message>
        <source>These settings have been altered but not saved.

Are you sure want to open other settings, without saving these first?</source>
        <translation>Diese Einstellungen wurden geändert, aber nicht gespeichert.

Möchten Sie wirklich andere Einstellungen öffnen, ohne diese zuerst zu speichern?</translation>
    </message>
    <message>
        <source>%1 has no settings file yet.

Use Save As to give %1 these settings.</source>
        <translation>%1 hat noch keine Einstellungsdatei.

Mit „Speichern unter“ erhält %1 diese Einstellungen.</translation>
    </message>
    <message>
        <source>The settings file of %1 cannot be read:
%2

Use Save As to give %1 these settings.</source>
        <translation>Die Einstellungsdatei von %1 kann nicht gelesen werden:
%2

Mit „Speichern unter“ erhält %1 diese Einstellungen.</translation>
    </message>
    <message>
        <source>Settings for 
%1</source>
        <translation>Einstellungen für 
%1</translation>
    </message>
</context>
<context>
    <name>kz::Startup</name>
    <message>
        <source>Can&apos;t write to log</source>
        <translation>Protokoll kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>It was not possible to update the tracking log file with details of this session.

Do you want to try again?</source>
        <translation>Diese Sitzung konnte nicht ins Protokoll eingetragen werden.

Möchten Sie es nochmal versuchen?</translation>
    </message>
</context>
<context>
    <name>kz::StoryNames</name>
    <message>
        <source>Pictures by %1</source>
        <translation>Bilder von %1</translation>
    </message>
    <message>
        <source>Story %1
Pictures by %2</source>
        <translation>Geschichte %1
Bilder von %2</translation>
    </message>
    <message>
        <source>Books %1 to %2</source>
        <translation>Bücher %1 bis %2</translation>
    </message>
    <message>
        <source>retold by %1</source>
        <translation>nacherzählt von %1</translation>
    </message>
    <message>
        <source>by %1</source>
        <translation>von %1</translation>
    </message>
    <message>
        <source>All books 1 to %1</source>
        <translation>Alle Bücher von 1 bis %1</translation>
    </message>
    <message>
        <source>Up to book %1</source>
        <translation>Bis Buch %1</translation>
    </message>
</context>
<context>
    <name>kz::StorySource</name>
    <message>
        <source>the title page</source>
        <translation>Die Titelseite</translation>
    </message>
    <message>
        <source>page %1</source>
        <translation>Seite %1</translation>
    </message>
    <message>
        <source>%1 (story.txt line %2)</source>
        <translation>%1 (story.txt, Zeile %2)</translation>
    </message>
    <message>
        <source>%1: the word %2 holds a letter that Windows-1252 text (the story file&apos;s) cannot hold.</source>
        <translation>%1: Das Wort %2 enthält einen Buchstaben, den Windows-1252-Text (der der Geschichtendatei) nicht aufnehmen kann.</translation>
    </message>
    <message>
        <source>%1: the word %2 is too long for a line.</source>
        <translation>%1: Das Wort %2 ist zu lang für eine Zeile.</translation>
    </message>
    <message>
        <source>%1 has more words than a page can take: %2 words need %3 lines of about %4 letters, and a page shows %5. Move some of its text to a page of its own.</source>
        <translation>%1 hat mehr Wörter, als auf eine Seite passen: %2 Wörter brauchen %3 Zeilen mit etwa %4 Buchstaben, und eine Seite zeigt %5. Verschieben Sie einen Teil des Textes auf eine eigene Seite.</translation>
    </message>
    <message>
        <source>The story code %1 is not two digits followed by up to six letters or digits (such as 17WALK).</source>
        <translation>Der Geschichtencode %1 besteht nicht aus zwei Ziffern und danach bis zu sechs Buchstaben oder Ziffern (etwa 17WALK).</translation>
    </message>
    <message>
        <source>The story code %1 is numbered %2; the story reader opens only stories numbered 01 to 32.</source>
        <translation>Der Geschichtencode %1 hat die Nummer %2; das Geschichtenprogramm öffnet nur Geschichten mit den Nummern 01 bis 32.</translation>
    </message>
    <message>
        <source>story.txt is not UTF-8 text.</source>
        <translation>story.txt ist kein UTF-8-Text.</translation>
    </message>
    <message>
        <source>story.txt must begin with the story&apos;s title on its first line.</source>
        <translation>story.txt muss in der ersten Zeile mit dem Titel der Geschichte beginnen.</translation>
    </message>
    <message>
        <source>The credit %1 holds a letter Windows-1252 cannot hold.</source>
        <translation>Die Angabe %1 enthält einen Buchstaben, den Windows-1252 nicht aufnehmen kann.</translation>
    </message>
    <message>
        <source>story.txt has no pages: after the title, leave a blank line, then give each page as a line [picture.png] followed by its text.</source>
        <translation>story.txt hat keine Seiten: Lassen Sie nach dem Titel eine Zeile frei und schreiben Sie dann jede Seite als Zeile [bild.png], gefolgt von ihrem Text.</translation>
    </message>
    <message>
        <source>%1 does not begin with its picture, written as [picture.png].</source>
        <translation>%1 beginnt nicht mit ihrem Bild, geschrieben als [bild.png].</translation>
    </message>
    <message>
        <source>%1 has a picture but no text.</source>
        <translation>%1 hat ein Bild, aber keinen Text.</translation>
    </message>
    <message>
        <source>story.txt has %1 pages; a story has at most 99 (its recordings are numbered 01 to 99).</source>
        <translation>story.txt hat %1 Seiten; eine Geschichte hat höchstens 99 (ihre Aufnahmen sind von 01 bis 99 nummeriert).</translation>
    </message>
</context>
<context>
    <name>kz::TrackingLog</name>
    <message>
        <source>Log too long</source>
        <translation>Protokoll zu lang</translation>
    </message>
    <message>
        <source>Message for teacher.

The tracking log file is nearly full.

Please delete some of it.</source>
        <translation>Nachricht für die Lehrkraft.

Das Protokoll ist fast voll.

Bitte löschen Sie einen Teil davon.</translation>
    </message>
</context>
<context>
    <name>kz::WordList</name>
    <message>
        <source>Unable to load the file

%1</source>
        <translation>Die Datei kann nicht geladen werden:

%1</translation>
    </message>
    <message>
        <source>The file

%1

is not a suitable wordlist file.</source>
        <translation>Die Datei

%1

ist keine gültige Wortliste.</translation>
    </message>
    <message>
        <source>The file

%1

does not contain enough words.</source>
        <translation>Die Datei

%1

enthält nicht genug Wörter.</translation>
    </message>
</context>
<context>
    <name>kz::ui::ChooserDialog</name>
    <message>
        <source>Choose a story</source>
        <translation>Wähle eine Geschichte</translation>
    </message>
    <message>
        <source>Choose a wordlist</source>
        <translation>Wähle eine Wortliste</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>kz::ui::DisplayCheckDialog</name>
    <message>
        <source>Yes - proceed</source>
        <translation>Ja - weiter</translation>
    </message>
    <message>
        <source>No - quit</source>
        <translation>Nein - beenden</translation>
    </message>
    <message>
        <source>  Omit this warning in future.</source>
        <translation>  Diese Warnung nicht mehr zeigen.</translation>
    </message>
    <message>
        <source>WQ Story Books Software</source>
        <translation>WQ Story Books Software</translation>
    </message>
</context>
<context>
    <name>kz::ui::HelpWindow</name>
    <message>
        <source>Type a word to look for</source>
        <translation>Suchwort eingeben</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>&lt;p&gt;The help document %1 could not be read.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Das Hilfedokument %1 konnte nicht gelesen werden.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>kz::ui::MainFrame</name>
    <message>
        <source>Words</source>
        <translation>Wörter</translation>
    </message>
    <message>
        <source>Phrases</source>
        <translation>Sätze</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
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
        <source>&amp;Search for help on...</source>
        <translation>In der Hilfe &amp;suchen...</translation>
    </message>
    <message>
        <source>&amp;About WQ Story Books...</source>
        <translation>&amp;Über WQ Story Books...</translation>
    </message>
    <message>
        <source> Help</source>
        <translation> - Hilfe</translation>
    </message>
</context>
<context>
    <name>kz::ui::PasswordDialog</name>
    <message>
        <source>PASSWORD</source>
        <translation>PASSWORT</translation>
    </message>
    <message>
        <source>       This is for teacher use only.       Please type the password, then hit ENTER or click on the green tick.  Use the cross to cancel.  Read the manual if you have forgotten the password!</source>
        <translation>       Nur für Lehrkräfte.       Bitte Passwort eingeben, dann EINGABE drücken oder auf den grünen Haken klicken.  Das Kreuz bricht ab.  Passwort vergessen? Siehe Handbuch.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>kz::ui::RecoveryDialog</name>
    <message>
        <source>&amp;Try again</source>
        <translation>&amp;Erneut versuchen</translation>
    </message>
    <message>
        <source>&amp;Details...</source>
        <translation>&amp;Details...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
</context>
<context>
    <name>kz::ui::SignInDialog</name>
    <message>
        <source>F3 to exit</source>
        <translation>F3 zum Beenden</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>What
is your name?</source>
        <translation>Wie
heißt du?</translation>
    </message>
</context>
<context>
    <name>kz::ui::StartupWindow</name>
    <message>
        <source>Kiv: words   •   Zan: stories</source>
        <translation>Kiv: Wörter   •   Zan: Geschichten</translation>
    </message>
    <message>
        <source>Reading activities for young children</source>
        <translation>Leseübungen für kleine Kinder</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version 3.10 December 2010</source>
        <translation>Version 3.10 Dezember 2010</translation>
    </message>
</context>
</TS>
