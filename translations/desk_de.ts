<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>QObject</name>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 ist kein Ordner.</translation>
    </message>
    <message>
        <source>This account may not change the class in %1: its settings (GLOBSET.WQ) and sign-in list (USERS.WQ) can only be read here. Open it from the account that made the class, or ask for the right to change those files.</source>
        <translation>Dieses Konto darf die Klasse in %1 nicht ändern: Die Einstellungen der Klasse (GLOBSET.WQ) und ihre Anmeldeliste (USERS.WQ) können hier nur gelesen werden. Öffnen Sie sie mit dem Konto, das die Klasse angelegt hat, oder bitten Sie um das Recht, diese Dateien zu ändern.</translation>
    </message>
    <message>
        <source>This account may not make files in %1.</source>
        <translation>Dieses Konto darf in %1 keine Dateien anlegen.</translation>
    </message>
    <message>
        <source>Teacher&apos;s Desk</source>
        <translation>Lehrerpult</translation>
    </message>
    <message>
        <source>date not readable</source>
        <translation>Datum nicht lesbar</translation>
    </message>
    <message>
        <source>ddd d MMM yyyy, h:mm ap</source>
        <extracomment>A session&apos;s start as the teacher reads it (a QDateTime format).</extracomment>
        <translation>ddd, d. MMM yyyy, HH:mm</translation>
    </message>
</context>
<context>
    <name>kz::admin::Class</name>
    <message>
        <source>%1 is not an installation: it holds no global settings file GLOBSET.WQ (wqadmin init makes one).</source>
        <translation>%1 ist kein Klassenordner: Er enthält keine allgemeine Einstellungsdatei GLOBSET.WQ (wqadmin init legt eine an).</translation>
    </message>
    <message>
        <source>The data directory %1 that %2 names does not exist.</source>
        <translation>Der Datenordner %1, den %2 nennt, existiert nicht.</translation>
    </message>
    <message>
        <source>%1 exists already; nothing was written.</source>
        <translation>%1 gibt es schon; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1 is not an installation of Kiv and Zan: it holds no GLOBSET.WQ, USERS.WQ or LOG.WQ (wqadmin init makes them).</source>
        <translation>%1 ist kein Klassenordner von Kiv und Zan: Er enthält weder GLOBSET.WQ noch USERS.WQ noch LOG.WQ (wqadmin init legt sie an).</translation>
    </message>
    <message>
        <source>The data directory holds characters that a Windows-1252 file cannot store.</source>
        <translation>Der Pfad des Datenordners enthält Zeichen, die eine Windows-1252-Datei nicht speichern kann.</translation>
    </message>
    <message>
        <source>The data directory holds at most %1 characters.</source>
        <translation>Der Pfad des Datenordners hat höchstens %1 Zeichen.</translation>
    </message>
    <message>
        <source>A desktop entry cannot start a program in %1: its name is not UTF-8 text, or holds a control character or %.</source>
        <translation>Eine Desktop-Verknüpfung kann kein Programm in %1 starten: Sein Name ist kein UTF-8-Text oder enthält ein Steuerzeichen oder das Zeichen %.</translation>
    </message>
    <message>
        <source>%1 holds no program %2: give the folder of the installed programs with --from.</source>
        <translation>%1 enthält kein Programm %2: Geben Sie mit --from den Ordner der installierten Programme an.</translation>
    </message>
    <message>
        <source>Could not make the folder %1: %2.</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>Could not make the link %1: %2.</source>
        <translation>Der Verweis %1 konnte nicht angelegt werden: %2.</translation>
    </message>
</context>
<context>
    <name>kz::admin::Files</name>
    <message>
        <source>Could not write %1.</source>
        <translation>%1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Keine Berechtigung</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Vorgang nicht erlaubt</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Das Dateisystem ist schreibgeschützt</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Kein Platz mehr auf dem Datenträger</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Speicherkontingent überschritten</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Dateiname zu lang</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Kein Ordner</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>Die Datei gibt es schon</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Diese Datei oder diesen Ordner gibt es nicht</translation>
    </message>
</context>
<context>
    <name>kz::admin::Globals</name>
    <message>
        <source>A password is 0 to 8 letters (A-Z) or digits: the password box accepts nothing else.</source>
        <translation>Ein Passwort hat 0 bis 8 Buchstaben (A-Z) oder Ziffern: Das Passwortfenster nimmt nichts anderes an.</translation>
    </message>
    <message>
        <source>%1 is damaged; the sign-in mode was not changed.</source>
        <translation>%1 ist beschädigt; die Anmeldeart wurde nicht geändert.</translation>
    </message>
    <message>
        <source>Each child&apos;s own settings start as a copy of TEACHER.WQ, and %1 is missing, empty or unreadable; the sign-in mode was not changed. Save the settings for everyone in Kiv or Zan, or copy TEACHER.WQ from another class, and try again.</source>
        <translation>Die eigenen Einstellungen jedes Kindes beginnen als Kopie von TEACHER.WQ, und %1 fehlt, ist leer oder nicht lesbar; die Anmeldeart wurde nicht geändert. Speichern Sie die Einstellungen für alle in Kiv oder Zan, oder kopieren Sie TEACHER.WQ aus einer anderen Klasse, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Could not write %1 for &quot;%2&quot; (%3 other files made); the sign-in mode was not changed, so that no child meets a missing settings file.</source>
        <translation>%1 für „%2“ konnte nicht geschrieben werden (%3 andere Dateien angelegt); die Anmeldeart wurde nicht geändert, damit kein Kind auf eine fehlende Einstellungsdatei trifft.</translation>
    </message>
    <message>
        <source>Could not open %1 for writing, which keeps names from being added meanwhile; the sign-in mode was not changed.</source>
        <translation>%1 konnte nicht zum Schreiben geöffnet werden, was verhindert, dass inzwischen Namen hinzukommen; die Anmeldeart wurde nicht geändert.</translation>
    </message>
    <message>
        <source>dataDir holds characters that a Windows-1252 file cannot store.</source>
        <translation>Der Pfad des Datenordners enthält Zeichen, die eine Windows-1252-Datei nicht speichern kann.</translation>
    </message>
    <message>
        <source>dataDir holds at most %1 characters.</source>
        <translation>Der Pfad des Datenordners hat höchstens %1 Zeichen.</translation>
    </message>
</context>
<context>
    <name>kz::admin::Log</name>
    <message>
        <source>%1 is damaged: its length prefix says more than it holds.</source>
        <translation>%1 ist beschädigt: Die Länge am Anfang gibt mehr an, als die Datei enthält.</translation>
    </message>
</context>
<context>
    <name>kz::admin::Report</name>
    <message>
        <source>1 session</source>
        <translation>1 Sitzung</translation>
    </message>
    <message>
        <source>%1 sessions</source>
        <translation>%1 Sitzungen</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 Minute</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 Minuten</translation>
    </message>
    <message>
        <source>1 week</source>
        <translation>1 Woche</translation>
    </message>
    <message>
        <source>%1 weeks</source>
        <translation>%1 Wochen</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Wörter</translation>
    </message>
    <message>
        <source>Phrases</source>
        <translation>Sätze</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Januar</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februar</translation>
    </message>
    <message>
        <source>March</source>
        <translation>März</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezember</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A day: %1 its number, %2 the month&apos;s name, %3 the year (&quot;2 March 2026&quot;).</extracomment>
        <translation>%1. %2 %3</translation>
    </message>
    <message>
        <source>12-hour clock</source>
        <extracomment>How the language writes the time of day: &quot;12-hour clock&quot; (2:15 pm, with the two texts below) or &quot;24-hour clock&quot; (14:15).</extracomment>
        <translation>24-hour clock</translation>
    </message>
    <message>
        <source>%1:%2 am</source>
        <extracomment>A time before noon on the 12-hour clock: %1 the hour, %2 the minutes.</extracomment>
        <translation>%1:%2 vormittags</translation>
    </message>
    <message>
        <source>%1:%2 pm</source>
        <extracomment>A time from noon on the 12-hour clock: %1 the hour, %2 the minutes.</extracomment>
        <translation>%1:%2 nachmittags</translation>
    </message>
    <message>
        <source>Weeks, by their Monday</source>
        <translation>Wochen, nach ihrem Montag benannt</translation>
    </message>
    <message>
        <source>Minutes and sessions each week</source>
        <translation>Minuten und Sitzungen pro Woche</translation>
    </message>
    <message>
        <source>Week of %1, %2: %3, %4</source>
        <extracomment>A bar&apos;s title: %1 the week&apos;s Monday, %2 the activity, %3 the sessions, %4 the minutes (&quot;Week of 2 March 2026, Words: 2 sessions, 17 minutes&quot;).</extracomment>
        <translation>Woche vom %1, %2: %3, %4</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 Min.</translation>
    </message>
    <message>
        <source>date not readable</source>
        <translation>Datum unlesbar</translation>
    </message>
    <message>
        <source>%1 %2, %3</source>
        <extracomment>The last session: %1 the weekday&apos;s short name, %2 the day, %3 the time (&quot;Wed 11 Mar 2026, 2:15 pm&quot;).</extracomment>
        <translation>%1, %2, %3 Uhr</translation>
    </message>
    <message>
        <source>%1, %2 min</source>
        <extracomment>The last session&apos;s activity (%1) and minutes (%2).</extracomment>
        <translation>%1, %2 Min.</translation>
    </message>
    <message>
        <source>A bar&apos;s height is the minutes read that week; the figure above it, the sessions.</source>
        <translation>Die Höhe eines Balkens zeigt die in der Woche gelesenen Minuten, die Zahl darüber die Sitzungen.</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Last session</source>
        <translation>Letzte Sitzung</translation>
    </message>
    <message>
        <source>Reading report: %1</source>
        <translation>Lesebericht: %1</translation>
    </message>
    <message>
        <source>From the tracking log, made on %1.</source>
        <translation>Aus dem Protokoll der Sitzungen, erstellt am %1.</translation>
    </message>
    <message>
        <source>1 child read in %1; the charts show %2 from %3.</source>
        <extracomment>%1 the sessions (&quot;6 sessions&quot;), %2 the weeks charted (&quot;2 weeks&quot;), %3 the first week&apos;s Monday.</extracomment>
        <translation>1 Kind hat in %1 gelesen; die Diagramme zeigen %2 ab dem %3.</translation>
    </message>
    <message>
        <source>%1 children read in %2; the charts show %3 from %4.</source>
        <translation>%1 Kinder haben in %2 gelesen; die Diagramme zeigen %3 ab dem %4.</translation>
    </message>
    <message>
        <source>The log holds no sessions yet.</source>
        <translation>Das Protokoll enthält noch keine Sitzung.</translation>
    </message>
    <message>
        <source>Other notes</source>
        <translation>Weitere Notizen</translation>
    </message>
    <message>
        <source>Signed in as Teacher (not counted above): %1 of Words, %2 of Phrases, %3.</source>
        <extracomment>&quot;Teacher&quot; is the teacher&apos;s name on the sign-in list; %1 the sessions of Words (&quot;2 sessions&quot;), %2 those of Phrases, %3 the minutes of both (&quot;7 minutes&quot;).</extracomment>
        <translation>Als Teacher angemeldet (oben nicht gezählt): Wörter %1, Sätze %2, insgesamt %3.</translation>
    </message>
    <message>
        <source>On the user list, never read (%1)</source>
        <extracomment>A heading; %1 the number of names under it.</extracomment>
        <translation>Auf der Anmeldeliste, nie gelesen (%1)</translation>
    </message>
    <message>
        <source>Everyone on the user list has read.</source>
        <translation>Alle auf der Anmeldeliste haben gelesen.</translation>
    </message>
    <message>
        <source>0 sessions</source>
        <translation>0 Sitzungen</translation>
    </message>
    <message>
        <source>0 minutes</source>
        <translation>0 Minuten</translation>
    </message>
</context>
<context>
    <name>kz::admin::ReportShort</name>
    <message>
        <source>Jan</source>
        <translation>Jan.</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>Feb.</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>März</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>Apr.</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>Aug.</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>Sept.</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>Okt.</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>Nov.</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>Dez.</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>So.</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Mo.</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Di.</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mi.</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Do.</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Fr.</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sa.</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A day with the month&apos;s short name: %1 its number, %2 the month, %3 the year (&quot;11 Mar 2026&quot;).</extracomment>
        <translation>%1. %2 %3</translation>
    </message>
</context>
<context>
    <name>kz::admin::Story</name>
    <message>
        <source>Cannot make the folder %1: %2</source>
        <translation>Der Ordner %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>Cannot remove %1</source>
        <translation>%1 kann nicht gelöscht werden</translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>The title page (story.txt line %1) names the picture &quot;%2&quot;, which is not a file name of the story&apos;s folder.</source>
        <translation>Die Titelseite (story.txt, Zeile %1) nennt das Bild „%2“, das kein Dateiname im Ordner der Geschichte ist.</translation>
    </message>
    <message>
        <source>Page %1 (story.txt line %2) names the picture &quot;%3&quot;, which is not a file name of the story&apos;s folder.</source>
        <translation>Seite %1 (story.txt, Zeile %2) nennt das Bild „%3“, das kein Dateiname im Ordner der Geschichte ist.</translation>
    </message>
    <message>
        <source>The title page (story.txt line %1) names the picture &quot;%2&quot;, which %3 does not hold.</source>
        <translation>Die Titelseite (story.txt, Zeile %1) nennt das Bild „%2“, das nicht in %3 liegt.</translation>
    </message>
    <message>
        <source>Page %1 (story.txt line %2) names the picture &quot;%3&quot;, which %4 does not hold.</source>
        <translation>Seite %1 (story.txt, Zeile %2) nennt das Bild „%3“, das nicht in %4 liegt.</translation>
    </message>
    <message>
        <source>espeak-ng could not say page %1 with the voice &quot;%2&quot;; nothing was written.</source>
        <translation>espeak-ng konnte Seite %1 nicht mit der Stimme „%2“ sprechen; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>espeak-ng could not say the word &quot;%1&quot; with the voice &quot;%2&quot;; nothing was written.</source>
        <translation>espeak-ng konnte das Wort „%1“ nicht mit der Stimme „%2“ sprechen; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>espeak-ng did not write a 16-bit mono wave file for page %1.</source>
        <translation>espeak-ng hat für Seite %1 keine 16-Bit-Mono-WAV-Datei geschrieben.</translation>
    </message>
    <message>
        <source>espeak-ng did not write a 16-bit mono wave file for the word &quot;%1&quot;.</source>
        <translation>espeak-ng hat für das Wort „%1“ keine 16-Bit-Mono-WAV-Datei geschrieben.</translation>
    </message>
    <message>
        <source>The number %1 is taken by %2 in the DATA folder: choose another number, or %3 to replace that story.</source>
        <translation>Die Nummer %1 ist im Ordner DATA schon von %2 belegt: Wählen Sie eine andere Nummer, oder %3, um diese Geschichte zu ersetzen.</translation>
    </message>
    <message>
        <source>%1 holds no story.txt (or it cannot be read): its first line is the title, then, after a blank line, each page&apos;s [picture] and text.</source>
        <translation>%1 enthält keine story.txt (oder sie ist nicht lesbar): Ihre erste Zeile ist der Titel, dann folgen nach einer Leerzeile für jede Seite [Bild] und Text.</translation>
    </message>
    <message>
        <source>The picture %1 cannot be decoded: it must be a PNG, JPEG or BMP picture.</source>
        <translation>Das Bild %1 kann nicht gelesen werden: Es muss ein PNG-, JPEG- oder BMP-Bild sein.</translation>
    </message>
    <message>
        <source>The story cannot be stored: %1</source>
        <translation>Die Geschichte kann nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>A picture could not be converted to a bitmap.</source>
        <translation>Ein Bild konnte nicht in eine Bitmap umgewandelt werden.</translation>
    </message>
    <message>
        <source>espeak-ng is not installed, so the story&apos;s recordings cannot be made. Install the Debian package espeak-ng (sudo apt install espeak-ng) and run the command again.</source>
        <translation>espeak-ng ist nicht installiert, daher können die Aufnahmen der Geschichte nicht gemacht werden. Installieren Sie das Debian-Paket espeak-ng (sudo apt install espeak-ng) und versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>kz::admin::Users</name>
    <message>
        <source>&quot;%1&quot; is already in the list.</source>
        <translation>„%1“ steht schon in der Liste.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds &quot;%2&quot;, a letter the names file cannot store (it keeps the letters of Western European languages only).</source>
        <translation>„%1“ enthält „%2“, einen Buchstaben, den die Namensdatei nicht speichern kann (sie kennt nur die Buchstaben westeuropäischer Sprachen).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds &quot;%2&quot;, a letter the names file cannot store (it keeps the letters of Western European languages only); type &quot;%3&quot; instead.</source>
        <translation>„%1“ enthält „%2“, einen Buchstaben, den die Namensdatei nicht speichern kann (sie kennt nur die Buchstaben westeuropäischer Sprachen); geben Sie stattdessen „%3“ ein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds &quot;%2&quot;, a letter the names file cannot store (it keeps the letters of Western European languages only); type &quot;%3&quot; instead, for instance: wqadmin users DIR add &quot;%4&quot;.</source>
        <translation>„%1“ enthält „%2“, einen Buchstaben, den die Namensdatei nicht speichern kann (sie kennt nur die Buchstaben westeuropäischer Sprachen); geben Sie stattdessen „%3“ ein, zum Beispiel „%4“.</translation>
    </message>
    <message>
        <source>The name holds control characters.</source>
        <translation>Der Name enthält Steuerzeichen.</translation>
    </message>
    <message>
        <source>The name is empty.</source>
        <translation>Der Name ist leer.</translation>
    </message>
    <message>
        <source>A name holds at most %1 characters.</source>
        <translation>Ein Name hat höchstens %1 Zeichen.</translation>
    </message>
    <message>
        <source>%1 does not start with the number of names (it reads &quot;%2&quot;); it was left alone.</source>
        <translation>%1 beginnt nicht mit der Anzahl der Namen (dort steht „%2“); die Datei wurde nicht verändert.</translation>
    </message>
    <message>
        <source>The list already holds %1 names, as many as its count can say.</source>
        <translation>Die Liste enthält schon %1 Namen, so viele, wie ihr Zähler angeben kann.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the list.</source>
        <translation>„%1“ steht nicht in der Liste.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; would take the settings file %2 of &quot;%3&quot;; &quot;%4&quot; was not renamed.</source>
        <translation>„%1“ würde die Einstellungsdatei %2 von „%3“ übernehmen; „%4“ wurde nicht umbenannt.</translation>
    </message>
    <message>
        <source>The settings file %1 that &quot;%2&quot; would use exists already (another child&apos;s settings, kept when they left the list); &quot;%3&quot; was not renamed. Rename or remove that file first.</source>
        <translation>Die Einstellungsdatei %1, die „%2“ verwenden würde, gibt es schon (die Einstellungen eines anderen Kindes, aufbewahrt, als es die Liste verließ); „%3“ wurde nicht umbenannt. Benennen Sie diese Datei zuerst um oder löschen Sie sie.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; and &quot;%2&quot; share the settings file %3.</source>
        <translation>„%1“ und „%2“ teilen sich die Einstellungsdatei %3.</translation>
    </message>
    <message>
        <source>A position in this list is 1 to %1.</source>
        <translation>Eine Position in dieser Liste reicht von 1 bis %1.</translation>
    </message>
    <message>
        <source>&quot;Teacher&quot; is the name that opens the settings with the password; no child can be renamed to it or from it.</source>
        <translation>„Teacher“ ist der Name, der mit dem Passwort die Einstellungen öffnet; kein Kind kann in ihn oder aus ihm umbenannt werden.</translation>
    </message>
    <message>
        <source>Could not write %1; &quot;%2&quot; was not renamed.</source>
        <translation>%1 konnte nicht geschrieben werden; „%2“ wurde nicht umbenannt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is &quot;%2&quot; now, but the log could not be changed: its earlier sessions still show under the old name in %3.</source>
        <translation>„%1“ heißt jetzt „%2“, aber das Protokoll konnte nicht geändert werden: Die früheren Sitzungen stehen in %3 noch unter dem alten Namen.</translation>
    </message>
    <message>
        <source>The name holds characters that a Windows-1252 file cannot store.</source>
        <translation>Der Name enthält Zeichen, die eine Windows-1252-Datei nicht speichern kann.</translation>
    </message>
</context>
<context>
    <name>kz::desk::ChildrenPage</name>
    <message>
        <source>The names the children pick when they sign in, in the order the list shows them.</source>
        <translation>Die Namen, die die Kinder bei der Anmeldung wählen, in der Reihenfolge der Liste.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Last session</source>
        <translation>Letzte Sitzung</translation>
    </message>
    <message>
        <source>Minutes this week</source>
        <translation>Minuten diese Woche</translation>
    </message>
    <message>
        <source>Children</source>
        <translation>Kinder</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>Hin&amp;zufügen...</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>&amp;Umbenennen...</translation>
    </message>
    <message>
        <source>Re&amp;move...</source>
        <translation>Entfe&amp;rnen...</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move &amp;down</source>
        <translation>Nach un&amp;ten</translation>
    </message>
    <message>
        <source>Add a child</source>
        <translation>Ein Kind hinzufügen</translation>
    </message>
    <message>
        <source>Rename the chosen child</source>
        <translation>Das gewählte Kind umbenennen</translation>
    </message>
    <message>
        <source>Remove the chosen child</source>
        <translation>Das gewählte Kind entfernen</translation>
    </message>
    <message>
        <source>Move the chosen child up</source>
        <translation>Das gewählte Kind nach oben schieben</translation>
    </message>
    <message>
        <source>Move the chosen child down</source>
        <translation>Das gewählte Kind nach unten schieben</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>The name the child picks (at most 16 characters):</source>
        <translation>Der Name, den das Kind wählt (höchstens 16 Zeichen):</translation>
    </message>
    <message>
        <source>Rename a child</source>
        <translation>Ein Kind umbenennen</translation>
    </message>
    <message>
        <source>The new name for &quot;%1&quot; (at most 16 characters):</source>
        <translation>Der neue Name für „%1“ (höchstens 16 Zeichen):</translation>
    </message>
    <message>
        <source>Remove a child</source>
        <translation>Ein Kind entfernen</translation>
    </message>
    <message>
        <source>Take &quot;%1&quot; off the sign-in list? Their settings file and their sessions in the log are kept.</source>
        <translation>„%1“ von der Anmeldeliste nehmen? Die Einstellungsdatei und die Sitzungen im Protokoll bleiben erhalten.</translation>
    </message>
</context>
<context>
    <name>kz::desk::ClassSettingsPage</name>
    <message>
        <source>C&amp;hoose...</source>
        <translation>Wäh&amp;len...</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Undo changes</source>
        <translation>Änderungen &amp;verwerfen</translation>
    </message>
    <message>
        <source>Teacher&apos;s password</source>
        <translation>Passwort der Lehrkraft</translation>
    </message>
    <message>
        <source>At most 8 letters (A-Z) or digits; empty: no password.</source>
        <translation>Höchstens 8 Buchstaben (A-Z) oder Ziffern; leer: kein Passwort.</translation>
    </message>
    <message>
        <source>Sign-in</source>
        <translation>Anmeldung</translation>
    </message>
    <message>
        <source>Nobody signs in</source>
        <translation>Niemand meldet sich an</translation>
    </message>
    <message>
        <source>Children pick their name</source>
        <translation>Die Kinder wählen ihren Namen</translation>
    </message>
    <message>
        <source>Children pick their name and keep their own settings</source>
        <translation>Die Kinder wählen ihren Namen und behalten eigene Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Log each session: who read, when, for how long</source>
        <translation>Jede Sitzung &amp;protokollieren: wer wann wie lange gelesen hat</translation>
    </message>
    <message>
        <source>Log each session</source>
        <translation>Jede Sitzung protokollieren</translation>
    </message>
    <message>
        <source>Data folder</source>
        <translation>Datenordner</translation>
    </message>
    <message>
        <source>Choose the data folder</source>
        <translation>Den Datenordner wählen</translation>
    </message>
    <message>
        <source>Warn when the screen shows too few c&amp;olours</source>
        <translation>Warnen, wenn der Bildschirm zu wenige Fa&amp;rben zeigt</translation>
    </message>
    <message>
        <source>Warn when the screen shows too few colours</source>
        <translation>Warnen, wenn der Bildschirm zu wenige Farben zeigt</translation>
    </message>
    <message>
        <source>Warn when the font &amp;Arial is missing</source>
        <translation>Warnen, wenn die Schrift &amp;Arial fehlt</translation>
    </message>
    <message>
        <source>Warn when the font Arial is missing</source>
        <translation>Warnen, wenn die Schrift Arial fehlt</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>Die Sprache des Desktops</translation>
    </message>
    <message>
        <source>Save the class settings</source>
        <translation>Die Klasseneinstellungen speichern</translation>
    </message>
    <message>
        <source>Undo the changes not saved</source>
        <translation>Nicht gespeicherte Änderungen verwerfen</translation>
    </message>
    <message>
        <source>Teacher&apos;s passwo&amp;rd:</source>
        <translation>Passw&amp;ort der Lehrkraft:</translation>
    </message>
    <message>
        <source>Sig&amp;n-in:</source>
        <translation>A&amp;nmeldeart:</translation>
    </message>
    <message>
        <source>&amp;Data folder:</source>
        <translation>Da&amp;tenordner:</translation>
    </message>
    <message>
        <source>Lan&amp;guage of the programs:</source>
        <translation>Spra&amp;che der Programme:</translation>
    </message>
    <message>
        <source>Sign-in mode %1, as the class&apos;s settings hold it</source>
        <translation>Anmeldeart %1, wie sie in den Klasseneinstellungen steht</translation>
    </message>
    <message>
        <source>sessions logged</source>
        <translation>Sitzungen werden protokolliert</translation>
    </message>
    <message>
        <source>sessions not logged</source>
        <translation>Sitzungen werden nicht protokolliert</translation>
    </message>
    <message>
        <source>warn</source>
        <translation>warnen</translation>
    </message>
    <message>
        <source>do not warn</source>
        <translation>nicht warnen</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(leer)</translation>
    </message>
    <message>
        <source>Each child picks their name from the list when a program starts; everyone shares the class&apos;s settings.</source>
        <translation>Jedes Kind wählt beim Start eines Programms seinen Namen aus der Liste; alle teilen die Klasseneinstellungen.</translation>
    </message>
    <message>
        <source>Each child picks their name from the list when a program starts, and keeps settings of their own (their word list, their story).</source>
        <translation>Jedes Kind wählt beim Start eines Programms seinen Namen aus der Liste und behält eigene Einstellungen (seine Wortliste, seine Geschichte).</translation>
    </message>
    <message>
        <source>The programs start at once, without asking a name; everyone shares the class&apos;s settings, and the log names nobody.</source>
        <translation>Die Programme starten sofort, ohne nach einem Namen zu fragen; alle teilen die Klasseneinstellungen, und das Protokoll nennt niemanden.</translation>
    </message>
    <message>
        <source>The data folder</source>
        <translation>Der Datenordner</translation>
    </message>
    <message>
        <source>Class settings</source>
        <translation>Klasseneinstellungen</translation>
    </message>
    <message>
        <source>This setting was changed in the class folder since the desk showed it.

Here: %1
In the class folder: %2

Which do you keep?</source>
        <translation>Diese Einstellung wurde im Klassenordner geändert, seit das Pult sie angezeigt hat.

Hier: %1
Im Klassenordner: %2

Welche möchten Sie behalten?</translation>
    </message>
    <message>
        <source>Keep &amp;mine</source>
        <translation>&amp;Meine behalten</translation>
    </message>
    <message>
        <source>Keep the &amp;other</source>
        <translation>Die &amp;andere behalten</translation>
    </message>
    <message>
        <source>The folder %1 does not exist; the settings were not saved.</source>
        <translation>Den Ordner %1 gibt es nicht; die Einstellungen wurden nicht gespeichert.</translation>
    </message>
    <message numerus="yes">
        <source>Made %n settings file(s) from TEACHER.WQ for the names that had none.</source>
        <translation>
            <numerusform>%n Einstellungsdatei aus TEACHER.WQ für den Namen angelegt, der keine hatte.</numerusform>
            <numerusform>%n Einstellungsdateien aus TEACHER.WQ für die Namen angelegt, die keine hatten.</numerusform>
        </translation>
    </message>
    <message>
        <source>The language could not be written to %1.</source>
        <translation>Die Sprache konnte nicht in %1 geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>kz::desk::DeskWindow</name>
    <message>
        <source>Teacher&apos;s Desk</source>
        <translation>Lehrerpult</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>Teacher&apos;s Desk Help</source>
        <translation>Hilfe zum Lehrerpult</translation>
    </message>
    <message>
        <source>&amp;Children</source>
        <translation>&amp;Kinder</translation>
    </message>
    <message>
        <source>Class &amp;settings</source>
        <translation>Klassen&amp;einstellungen</translation>
    </message>
    <message>
        <source>&amp;Progress</source>
        <translation>&amp;Fortschritt</translation>
    </message>
    <message>
        <source>&amp;Word lists</source>
        <translation>&amp;Wortlisten</translation>
    </message>
    <message>
        <source>S&amp;tories</source>
        <translation>&amp;Geschichten</translation>
    </message>
</context>
<context>
    <name>kz::desk::ProgressChart</name>
    <message>
        <source>Minutes and sessions each week</source>
        <translation>Minuten und Sitzungen pro Woche</translation>
    </message>
    <message>
        <source>No child read in these days.</source>
        <translation>In diesen Tagen hat kein Kind gelesen.</translation>
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
        <translation>1 Sitzung</translation>
    </message>
    <message>
        <source>%1 sessions</source>
        <translation>%1 Sitzungen</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 Minute</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 Minuten</translation>
    </message>
    <message>
        <source>week of %1: %2</source>
        <translation>Woche vom %1: %2</translation>
    </message>
    <message>
        <source>no session</source>
        <translation>keine Sitzung</translation>
    </message>
    <message>
        <source>Kiv (words)</source>
        <translation>Kiv (Wörter)</translation>
    </message>
    <message>
        <source>Zan (stories)</source>
        <translation>Zan (Geschichten)</translation>
    </message>
    <message>
        <source>Bar: minutes that week. Figure: sessions.</source>
        <translation>Balken: Minuten der Woche. Zahl: Sitzungen.</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <extracomment>A week&apos;s Monday (a QDate format).</extracomment>
        <translation>d. MMMM yyyy</translation>
    </message>
</context>
<context>
    <name>kz::desk::ProgressPage</name>
    <message>
        <source>Save as &amp;HTML...</source>
        <translation>Als HT&amp;ML speichern...</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>D&amp;rucken...</translation>
    </message>
    <message>
        <source>Save as CS&amp;V...</source>
        <translation>Als CS&amp;V speichern...</translation>
    </message>
    <message>
        <source>First day</source>
        <translation>Erster Tag</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>Letzter Tag</translation>
    </message>
    <message>
        <source>Save the report as a web page</source>
        <translation>Den Bericht als Webseite speichern</translation>
    </message>
    <message>
        <source>Print the progress</source>
        <translation>Den Fortschritt drucken</translation>
    </message>
    <message>
        <source>Save the sessions as CSV for a spreadsheet</source>
        <translation>Die Sitzungen als CSV für eine Tabellenkalkulation speichern</translation>
    </message>
    <message>
        <source>What is shown</source>
        <translation>Was gezeigt wird</translation>
    </message>
    <message>
        <source>Sessions and minutes of each child</source>
        <translation>Sitzungen und Minuten jedes Kindes</translation>
    </message>
    <message>
        <source>Children who never read in these days</source>
        <translation>Kinder, die in diesen Tagen nie gelesen haben</translation>
    </message>
    <message>
        <source>Fro&amp;m:</source>
        <translation>V&amp;on:</translation>
    </message>
    <message>
        <source>T&amp;o:</source>
        <translation>&amp;Bis:</translation>
    </message>
    <message>
        <source>Each wee&amp;k:</source>
        <translation>Jede Wo&amp;che:</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Last session</source>
        <translation>Zuletzt</translation>
    </message>
    <message>
        <source>Kiv sessions</source>
        <translation>Sitzungen Kiv</translation>
    </message>
    <message>
        <source>Kiv minutes</source>
        <translation>Minuten Kiv</translation>
    </message>
    <message>
        <source>Zan sessions</source>
        <translation>Sitzungen Zan</translation>
    </message>
    <message>
        <source>Zan minutes</source>
        <translation>Minuten Zan</translation>
    </message>
    <message>
        <source>Tota&amp;ls:</source>
        <translation>&amp;Summen:</translation>
    </message>
    <message>
        <source>&amp;Never read:</source>
        <translation>&amp;Nie gelesen:</translation>
    </message>
    <message>
        <source>The log could not be read just now; it is read again in a moment. Shown: the log as read at %1. (%2)</source>
        <translation>Das Protokoll konnte gerade nicht gelesen werden; es wird gleich erneut gelesen. Angezeigt: das Protokoll, wie es um %1 gelesen wurde. (%2)</translation>
    </message>
    <message>
        <source>The log could not be read: %1</source>
        <translation>Das Protokoll konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The first day is after the last day.</source>
        <translation>Der erste Tag liegt nach dem letzten.</translation>
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
        <translation>%1 Min.</translation>
    </message>
    <message>
        <source>(everyone on the list read)</source>
        <translation>(alle auf der Liste haben gelesen)</translation>
    </message>
    <message>
        <source>Signed in as Teacher (not counted): %1 sessions.</source>
        <translation>Als Teacher angemeldet (nicht gezählt): %1 Sitzungen.</translation>
    </message>
    <message>
        <source>The log as read at %1.</source>
        <translation>Das Protokoll, wie es um %1 gelesen wurde.</translation>
    </message>
    <message>
        <source>Save as HTML</source>
        <translation>Als HTML speichern</translation>
    </message>
    <message>
        <source>Could not write %1.</source>
        <translation>%1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Als CSV speichern</translation>
    </message>
    <message>
        <source>reading report</source>
        <translation>Lesebericht</translation>
    </message>
    <message>
        <source>Web pages (*.html)</source>
        <translation>Webseiten (*.html)</translation>
    </message>
    <message>
        <source>Save the sessions as CSV</source>
        <translation>Die Sitzungen als CSV speichern</translation>
    </message>
    <message>
        <source>reading sessions</source>
        <translation>Lesesitzungen</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Reading of %1</source>
        <translation>Lesen: %1</translation>
    </message>
    <message>
        <source>Never read</source>
        <translation>Nie gelesen</translation>
    </message>
    <message>
        <source>d MMM yyyy</source>
        <extracomment>The days of the date boxes (a QDate format).</extracomment>
        <translation>d. MMM yyyy</translation>
    </message>
    <message>
        <source>h:mm:ss ap</source>
        <extracomment>The time the log was read (a QTime format).</extracomment>
        <translation>HH:mm:ss</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <extracomment>A day as the summary names it (a QDate format; the day&apos;s language gives the month).</extracomment>
        <translation>d. MMMM yyyy</translation>
    </message>
    <message>
        <source>1 child read in 1 session from %1 to %2.</source>
        <translation>1 Kind hat vom %1 bis %2 in 1 Sitzung gelesen.</translation>
    </message>
    <message>
        <source>1 child read in %1 sessions from %2 to %3.</source>
        <translation>1 Kind hat vom %2 bis %3 in %1 Sitzungen gelesen.</translation>
    </message>
    <message>
        <source>%1 children read in 1 session from %2 to %3.</source>
        <translation>%1 Kinder haben vom %2 bis %3 in 1 Sitzung gelesen.</translation>
    </message>
    <message>
        <source>%1 children read in %2 sessions from %3 to %4.</source>
        <translation>%1 Kinder haben vom %3 bis %4 in %2 Sitzungen gelesen.</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The code of the language the saved report is written in (fr, es, de), for browsers and screen readers.</extracomment>
        <translation>de</translation>
    </message>
</context>
<context>
    <name>kz::desk::StartWindow</name>
    <message>
        <source>Teacher&apos;s Desk</source>
        <translation>Lehrerpult</translation>
    </message>
    <message>
        <source>The desk works on one class folder: its children, settings, word lists and stories. Open the folder of a class, or make a new class.</source>
        <translation>Das Pult arbeitet mit einem Klassenordner: seinen Kindern, Einstellungen, Wortlisten und Geschichten. Öffnen Sie den Ordner einer Klasse, oder legen Sie eine neue Klasse an.</translation>
    </message>
    <message>
        <source>&amp;Open a class folder...</source>
        <translation>Klassenordner ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open a class folder</source>
        <translation>Einen Klassenordner öffnen</translation>
    </message>
    <message>
        <source>&amp;Make a new class...</source>
        <translation>&amp;Neue Klasse anlegen...</translation>
    </message>
    <message>
        <source>Make a new class</source>
        <translation>Eine neue Klasse anlegen</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Make a new class in this folder</source>
        <translation>Eine neue Klasse in diesem Ordner anlegen</translation>
    </message>
</context>
<context>
    <name>kz::desk::StoriesPage</name>
    <message>
        <source>Red (books 1 to 16)</source>
        <translation>Rot (Bücher 1 bis 16)</translation>
    </message>
    <message>
        <source>Yellow (books 17 to 32)</source>
        <translation>Gelb (Bücher 17 bis 32)</translation>
    </message>
    <message>
        <source>None: Zan lists books 1 to 32 only</source>
        <translation>Keine: Zan zeigt nur die Bücher 1 bis 32</translation>
    </message>
    <message>
        <source>Stories in the &amp;data directory, as Zan&apos;s book list shows them:</source>
        <translation>Geschichten im Datenordner, wie &amp;Zans Bücherliste sie zeigt:</translation>
    </message>
    <message>
        <source>Stories</source>
        <translation>Geschichten</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Make a story from a folder</source>
        <translation>Eine Geschichte aus einem Ordner anlegen</translation>
    </message>
    <message>
        <source>Folder with story.txt and the pictures</source>
        <translation>Ordner mit story.txt und den Bildern</translation>
    </message>
    <message>
        <source>Ch&amp;oose...</source>
        <translation>Wäh&amp;len...</translation>
    </message>
    <message>
        <source>Choose the folder</source>
        <translation>Den Ordner wählen</translation>
    </message>
    <message>
        <source>Fo&amp;lder:</source>
        <translation>&amp;Ordner:</translation>
    </message>
    <message>
        <source>Story code</source>
        <translation>Code der Geschichte</translation>
    </message>
    <message>
        <source>A book number 01 to 32 and up to six letters, such as 17WALK</source>
        <translation>Eine Buchnummer von 01 bis 32 und bis zu sechs Buchstaben, etwa 17WALK</translation>
    </message>
    <message>
        <source>Stor&amp;y code:</source>
        <translation>Geschichten&amp;code:</translation>
    </message>
    <message>
        <source>Voice of the recordings</source>
        <translation>Stimme der Aufnahmen</translation>
    </message>
    <message>
        <source>&amp;Voice:</source>
        <translation>St&amp;imme:</translation>
    </message>
    <message>
        <source>Speed of the recordings in words a minute</source>
        <translation>Tempo der Aufnahmen in Wörtern pro Minute</translation>
    </message>
    <message>
        <source> words a minute</source>
        <translation> Wörter pro Minute</translation>
    </message>
    <message>
        <source>Sp&amp;eed:</source>
        <translation>&amp;Tempo:</translation>
    </message>
    <message>
        <source>&amp;Replace the story that has this number</source>
        <translation>Die Geschichte mit dieser Nummer er&amp;setzen</translation>
    </message>
    <message>
        <source>&amp;Make and show it</source>
        <translation>&amp;Anlegen und zeigen</translation>
    </message>
    <message>
        <source>The story before it is kept</source>
        <translation>Die Geschichte, bevor sie behalten wird</translation>
    </message>
    <message>
        <source>Previous p&amp;age</source>
        <translation>&amp;Vorige Seite</translation>
    </message>
    <message>
        <source>&amp;Next page</source>
        <translation>&amp;Nächste Seite</translation>
    </message>
    <message>
        <source>&amp;Keep the story</source>
        <translation>Geschichte &amp;behalten</translation>
    </message>
    <message>
        <source>D&amp;iscard it</source>
        <translation>Ve&amp;rwerfen</translation>
    </message>
    <message>
        <source>The class now uses another data directory: make the story again to keep it there. Nothing was written.</source>
        <translation>Die Klasse verwendet jetzt einen anderen Datenordner: Legen Sie die Geschichte erneut an, um sie dort zu behalten. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>No title: Zan does not list it</source>
        <translation>Kein Titel: Zan zeigt sie nicht an</translation>
    </message>
    <message>
        <source>tick &quot;Replace the story that has this number&quot;</source>
        <translation>kreuzen Sie „Die Geschichte mit dieser Nummer ersetzen“ an</translation>
    </message>
    <message>
        <source>Choose the folder that holds story.txt and the pictures.</source>
        <translation>Wählen Sie den Ordner, der story.txt und die Bilder enthält.</translation>
    </message>
    <message>
        <source>Name the voice of the recordings, such as en-gb.</source>
        <translation>Geben Sie die Stimme der Aufnahmen an, etwa de.</translation>
    </message>
    <message>
        <source>Making the story...</source>
        <translation>Die Geschichte wird angelegt...</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Make a story</source>
        <translation>Eine Geschichte anlegen</translation>
    </message>
    <message>
        <source>Look through the pages, then keep the story or discard it. Nothing is written until it is kept.</source>
        <translation>Sehen Sie die Seiten durch und behalten oder verwerfen Sie dann die Geschichte. Erst beim Behalten wird etwas geschrieben.</translation>
    </message>
    <message>
        <source>Keep the story</source>
        <translation>Geschichte behalten</translation>
    </message>
    <message>
        <source>The story &quot;%1&quot; (%2) is kept: Zan lists it under File &gt; Open.</source>
        <translation>Die Geschichte „%1“ (%2) ist behalten: Zan zeigt sie unter Datei &gt; Öffnen.</translation>
    </message>
    <message>
        <source>The story was discarded. Nothing was written.</source>
        <translation>Die Geschichte wurde verworfen. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Make a story to see its pages here.</source>
        <translation>Legen Sie eine Geschichte an, um hier ihre Seiten zu sehen.</translation>
    </message>
</context>
<context>
    <name>kz::desk::StoryPreview</name>
    <message>
        <source>Page of the story</source>
        <translation>Seite der Geschichte</translation>
    </message>
</context>
<context>
    <name>kz::desk::WordListsPage</name>
    <message>
        <source>&amp;New list</source>
        <translation>&amp;Neue Liste</translation>
    </message>
    <message>
        <source>S&amp;ave list</source>
        <translation>Liste &amp;speichern</translation>
    </message>
    <message>
        <source>Make with &amp;espeak-ng</source>
        <translation>Mit es&amp;peak-ng machen</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Aufnehmen</translation>
    </message>
    <message>
        <source>&amp;Hear</source>
        <translation>Anhö&amp;ren</translation>
    </message>
    <message>
        <source>&amp;Keep</source>
        <translation>&amp;Behalten</translation>
    </message>
    <message>
        <source>Recording &quot;%1&quot;: %2 s. Press Stop recording when the word is said.</source>
        <translation>Aufnahme von „%1“: %2 s. Drücken Sie „Aufnahme beenden“, wenn das Wort gesprochen ist.</translation>
    </message>
    <message>
        <source>&amp;Lists</source>
        <translation>&amp;Listen</translation>
    </message>
    <message>
        <source>Word lists</source>
        <translation>Wortlisten</translation>
    </message>
    <message>
        <source>New list</source>
        <translation>Neue Liste</translation>
    </message>
    <message>
        <source>The list</source>
        <translation>Die Liste</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Words, one a line</source>
        <translation>Wörter, eins pro Zeile</translation>
    </message>
    <message>
        <source>Save list</source>
        <translation>Liste speichern</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>T&amp;itle:</source>
        <translation>T&amp;itel:</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Datei:</translation>
    </message>
    <message>
        <source>W&amp;ords (one a line):</source>
        <translation>Wörter (eins pro &amp;Zeile):</translation>
    </message>
    <message>
        <source>Recordings</source>
        <translation>Aufnahmen</translation>
    </message>
    <message>
        <source>Recor&amp;dings of the words:</source>
        <translation>A&amp;ufnahmen der Wörter:</translation>
    </message>
    <message>
        <source>Recordings of the words</source>
        <translation>Aufnahmen der Wörter</translation>
    </message>
    <message>
        <source>espeak-ng voice</source>
        <translation>espeak-ng-Stimme</translation>
    </message>
    <message>
        <source>Speed in words a minute</source>
        <translation>Tempo in Wörtern pro Minute</translation>
    </message>
    <message>
        <source>&amp;Voice:</source>
        <translation>Sti&amp;mme:</translation>
    </message>
    <message>
        <source>Speed (words a &amp;minute):</source>
        <translation>&amp;Tempo (Wörter pro Minute):</translation>
    </message>
    <message>
        <source>Make with espeak-ng</source>
        <translation>Mit espeak-ng machen</translation>
    </message>
    <message>
        <source>Record with the microphone</source>
        <translation>Mit dem Mikrofon aufnehmen</translation>
    </message>
    <message>
        <source>Hear</source>
        <translation>Anhören</translation>
    </message>
    <message>
        <source>Keep the recording</source>
        <translation>Die Aufnahme behalten</translation>
    </message>
    <message>
        <source>What happened</source>
        <translation>Was passiert ist</translation>
    </message>
    <message>
        <source>A list named by a book range is titled by it.</source>
        <translation>Eine Liste, die nach einem Bücherbereich benannt ist, trägt ihn als Titel.</translation>
    </message>
    <message>
        <source>The activity cannot load this list as it is; saving it rewrites it.</source>
        <translation>Die Übung kann diese Liste so nicht laden; beim Speichern wird sie neu geschrieben.</translation>
    </message>
    <message>
        <source>Every list name this desk gives is taken: remove a list first.</source>
        <translation>Alle Listennamen, die dieses Pult vergibt, sind belegt: Entfernen Sie zuerst eine Liste.</translation>
    </message>
    <message>
        <source>A new list: give it a title and at least four words, then save it.</source>
        <translation>Eine neue Liste: Geben Sie ihr einen Titel und mindestens vier Wörter, dann speichern Sie sie.</translation>
    </message>
    <message>
        <source>Choose a list, or make a new one, first.</source>
        <translation>Wählen Sie zuerst eine Liste, oder legen Sie eine neue an.</translation>
    </message>
    <message>
        <source>The list was changed on disk since it was shown here.

Replace it with the words shown here?</source>
        <translation>Die Liste wurde auf dem Datenträger geändert, seit sie hier angezeigt wurde.

Mit den hier gezeigten Wörtern ersetzen?</translation>
    </message>
    <message>
        <source>Teacher&apos;s Desk</source>
        <translation>Lehrerpult</translation>
    </message>
    <message>
        <source>Saved.</source>
        <translation>Gespeichert.</translation>
    </message>
    <message>
        <source>The list name &quot;%1&quot; is not one the word activity offers.</source>
        <translation>Der Listenname „%1“ gehört nicht zu denen, die die Wortübung anbietet.</translation>
    </message>
    <message>
        <source>Give the list a title: the word activity shows it.</source>
        <translation>Geben Sie der Liste einen Titel: Die Wortübung zeigt ihn an.</translation>
    </message>
    <message>
        <source>The title is longer than %1 characters.</source>
        <translation>Der Titel ist länger als %1 Zeichen.</translation>
    </message>
    <message>
        <source>The title &quot;%1&quot; holds a character the word activity cannot show.</source>
        <translation>Der Titel „%1“ enthält ein Zeichen, das die Wortübung nicht anzeigen kann.</translation>
    </message>
    <message>
        <source>The word &quot;%1&quot; holds a character the word activity cannot store.</source>
        <translation>Das Wort „%1“ enthält ein Zeichen, das die Wortübung nicht speichern kann.</translation>
    </message>
    <message>
        <source>The word &quot;%1&quot; is shorter than 3 letters, so the activity would leave it out.</source>
        <translation>Das Wort „%1“ hat weniger als 3 Buchstaben, deshalb würde die Übung es auslassen.</translation>
    </message>
    <message>
        <source>The word &quot;%1&quot; is longer than 11 letters, so the activity would leave it out.</source>
        <translation>Das Wort „%1“ hat mehr als 11 Buchstaben, deshalb würde die Übung es auslassen.</translation>
    </message>
    <message>
        <source>The word &quot;%1&quot; starts with &quot;*&quot;, which marks a comment, so the activity would leave it out.</source>
        <translation>Das Wort „%1“ beginnt mit „*“, das einen Kommentar kennzeichnet, deshalb würde die Übung es auslassen.</translation>
    </message>
    <message>
        <source>The word &quot;%1&quot; is in the list twice.</source>
        <translation>Das Wort „%1“ steht zweimal in der Liste.</translation>
    </message>
    <message>
        <source>A list needs at least %1 words.</source>
        <translation>Eine Liste braucht mindestens %1 Wörter.</translation>
    </message>
    <message>
        <source>A list holds at most %1 words.</source>
        <translation>Eine Liste hat höchstens %1 Wörter.</translation>
    </message>
    <message>
        <source>The desk cannot write %1.</source>
        <translation>Das Pult kann %1 nicht schreiben.</translation>
    </message>
    <message>
        <source>new, from %1: not kept yet</source>
        <translation>neu, über %1: noch nicht behalten</translation>
    </message>
    <message>
        <source>no recording</source>
        <translation>keine Aufnahme</translation>
    </message>
    <message>
        <source>recorded (installation folder)</source>
        <translation>aufgenommen (Klassenordner)</translation>
    </message>
    <message>
        <source>recorded</source>
        <translation>aufgenommen</translation>
    </message>
    <message>
        <source>%1  -  %2.WAV  -  %3</source>
        <translation>%1  -  %2.WAV  -  %3</translation>
    </message>
    <message>
        <source>espeak-ng is not installed, so no recording can be made with it. Install the package espeak-ng.</source>
        <translation>espeak-ng ist nicht installiert, daher kann damit keine Aufnahme gemacht werden. Installieren Sie das Paket espeak-ng.</translation>
    </message>
    <message>
        <source>espeak-ng could not say &quot;%1&quot; with the voice &quot;%2&quot;.</source>
        <translation>espeak-ng konnte „%1“ nicht mit der Stimme „%2“ sprechen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; made with espeak-ng. Hear it again, press Keep to keep it, or make it again with another voice or speed.</source>
        <translation>„%1“ mit espeak-ng gemacht. Hören Sie es noch einmal an, drücken Sie „Behalten“, um es zu behalten, oder machen Sie es neu mit einer anderen Stimme oder einem anderen Tempo.</translation>
    </message>
    <message>
        <source>No microphone could be opened: %1</source>
        <translation>Es konnte kein Mikrofon geöffnet werden: %1</translation>
    </message>
    <message>
        <source>Stop &amp;recording</source>
        <translation>&amp;Aufnahme beenden</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>Aufnahme beenden</translation>
    </message>
    <message>
        <source>Nothing was heard from the microphone. Check that it is plugged in and not muted, and record the word again.</source>
        <translation>Vom Mikrofon kam nichts. Prüfen Sie, ob es angeschlossen und nicht stummgeschaltet ist, und nehmen Sie das Wort erneut auf.</translation>
    </message>
    <message>
        <source>the microphone</source>
        <translation>das Mikrofon</translation>
    </message>
    <message>
        <source>&quot;%1&quot; recorded. Hear it again, press Keep to keep it, or record it again.</source>
        <translation>„%1“ aufgenommen. Hören Sie es noch einmal an, drücken Sie „Behalten“, um es zu behalten, oder nehmen Sie es neu auf.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no recording yet.</source>
        <translation>„%1“ hat noch keine Aufnahme.</translation>
    </message>
    <message>
        <source>The desk cannot write the recording of &quot;%1&quot; in the data folder.</source>
        <translation>Das Pult kann die Aufnahme von „%1“ nicht in den Datenordner schreiben.</translation>
    </message>
    <message>
        <source>The recording of &quot;%1&quot; is kept.</source>
        <translation>Die Aufnahme von „%1“ ist behalten.</translation>
    </message>
    <message>
        <source>The word &quot;%1&quot; holds something other than the letters A to Z and the accented letters of French, Spanish and German, so the activity would leave it out.</source>
        <translation>Das Wort „%1“ enthält etwas anderes als die Buchstaben A bis Z und die Buchstaben mit Akzent oder Umlaut des Französischen, Spanischen und Deutschen, deshalb würde die Übung es auslassen.</translation>
    </message>
</context>
</TS>
