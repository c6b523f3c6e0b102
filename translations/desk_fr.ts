<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>QObject</name>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 n&apos;est pas un dossier.</translation>
    </message>
    <message>
        <source>This account may not change the class in %1: its settings (GLOBSET.WQ) and sign-in list (USERS.WQ) can only be read here. Open it from the account that made the class, or ask for the right to change those files.</source>
        <translation>Ce compte ne peut pas modifier la classe de %1 : ses réglages (GLOBSET.WQ) et sa liste de connexion (USERS.WQ) ne peuvent qu&apos;être lus ici. Ouvrez-la depuis le compte qui a créé la classe, ou demandez le droit de modifier ces fichiers.</translation>
    </message>
    <message>
        <source>This account may not make files in %1.</source>
        <translation>Ce compte ne peut pas créer de fichiers dans %1.</translation>
    </message>
    <message>
        <source>Teacher&apos;s Desk</source>
        <translation>Bureau de l&apos;enseignant</translation>
    </message>
    <message>
        <source>date not readable</source>
        <translation>date illisible</translation>
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
        <translation>%1 n&apos;est pas un dossier de classe : il ne contient pas de fichier de réglages généraux GLOBSET.WQ (wqadmin init en crée un).</translation>
    </message>
    <message>
        <source>The data directory %1 that %2 names does not exist.</source>
        <translation>Le dossier des données %1 indiqué dans %2 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>%1 exists already; nothing was written.</source>
        <translation>%1 existe déjà ; rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>%1 is not an installation of Kiv and Zan: it holds no GLOBSET.WQ, USERS.WQ or LOG.WQ (wqadmin init makes them).</source>
        <translation>%1 n&apos;est pas un dossier de classe de Kiv et Zan : il ne contient ni GLOBSET.WQ, ni USERS.WQ, ni LOG.WQ (wqadmin init les crée).</translation>
    </message>
    <message>
        <source>The data directory holds characters that a Windows-1252 file cannot store.</source>
        <translation>Le chemin du dossier des données contient des caractères qu&apos;un fichier Windows-1252 ne peut pas garder.</translation>
    </message>
    <message>
        <source>The data directory holds at most %1 characters.</source>
        <translation>Le chemin du dossier des données compte au plus %1 caractères.</translation>
    </message>
    <message>
        <source>A desktop entry cannot start a program in %1: its name is not UTF-8 text, or holds a control character or %.</source>
        <translation>Un raccourci du bureau ne peut pas lancer un programme dans %1 : son nom n&apos;est pas du texte UTF-8, ou bien il contient un caractère de contrôle ou le signe %.</translation>
    </message>
    <message>
        <source>%1 holds no program %2: give the folder of the installed programs with --from.</source>
        <translation>%1 ne contient pas le programme %2 : indiquez avec --from le dossier des programmes installés.</translation>
    </message>
    <message>
        <source>Could not make the folder %1: %2.</source>
        <translation>Impossible de créer le dossier %1 : %2.</translation>
    </message>
    <message>
        <source>Could not make the link %1: %2.</source>
        <translation>Impossible de créer le lien %1 : %2.</translation>
    </message>
</context>
<context>
    <name>kz::admin::Files</name>
    <message>
        <source>Could not write %1.</source>
        <translation>Impossible d&apos;écrire %1.</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission refusée</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Opération non permise</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Système de fichiers en lecture seule</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Plus de place sur le disque</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Quota de disque dépassé</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Nom de fichier trop long</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Ce n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>Le fichier existe déjà</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Ce fichier ou ce dossier n&apos;existe pas</translation>
    </message>
</context>
<context>
    <name>kz::admin::Globals</name>
    <message>
        <source>A password is 0 to 8 letters (A-Z) or digits: the password box accepts nothing else.</source>
        <translation>Un mot de passe compte de 0 à 8 lettres (A-Z) ou chiffres : la fenêtre du mot de passe n&apos;accepte rien d&apos;autre.</translation>
    </message>
    <message>
        <source>%1 is damaged; the sign-in mode was not changed.</source>
        <translation>%1 est endommagé ; le mode de connexion n&apos;a pas été changé.</translation>
    </message>
    <message>
        <source>Each child&apos;s own settings start as a copy of TEACHER.WQ, and %1 is missing, empty or unreadable; the sign-in mode was not changed. Save the settings for everyone in Kiv or Zan, or copy TEACHER.WQ from another class, and try again.</source>
        <translation>Les réglages propres à chaque enfant partent d&apos;une copie de TEACHER.WQ, et %1 manque, est vide ou illisible ; le mode de connexion n&apos;a pas été changé. Enregistrez les réglages pour tout le monde dans Kiv ou Zan, ou copiez TEACHER.WQ depuis une autre classe, puis réessayez.</translation>
    </message>
    <message>
        <source>Could not write %1 for &quot;%2&quot; (%3 other files made); the sign-in mode was not changed, so that no child meets a missing settings file.</source>
        <translation>Impossible d&apos;écrire %1 pour « %2 » (%3 autres fichiers créés) ; le mode de connexion n&apos;a pas été changé, pour qu&apos;aucun enfant ne tombe sur un fichier de réglages manquant.</translation>
    </message>
    <message>
        <source>Could not open %1 for writing, which keeps names from being added meanwhile; the sign-in mode was not changed.</source>
        <translation>Impossible d&apos;ouvrir %1 en écriture, ce qui empêche d&apos;ajouter des noms entre-temps ; le mode de connexion n&apos;a pas été changé.</translation>
    </message>
    <message>
        <source>dataDir holds characters that a Windows-1252 file cannot store.</source>
        <translation>Le chemin du dossier des données contient des caractères qu&apos;un fichier Windows-1252 ne peut pas garder.</translation>
    </message>
    <message>
        <source>dataDir holds at most %1 characters.</source>
        <translation>Le chemin du dossier des données compte au plus %1 caractères.</translation>
    </message>
</context>
<context>
    <name>kz::admin::Log</name>
    <message>
        <source>%1 is damaged: its length prefix says more than it holds.</source>
        <translation>%1 est endommagé : la longueur indiquée au début dépasse ce qu&apos;il contient.</translation>
    </message>
</context>
<context>
    <name>kz::admin::Report</name>
    <message>
        <source>1 session</source>
        <translation>1 séance</translation>
    </message>
    <message>
        <source>%1 sessions</source>
        <translation>%1 séances</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minute</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minutes</translation>
    </message>
    <message>
        <source>1 week</source>
        <translation>1 semaine</translation>
    </message>
    <message>
        <source>%1 weeks</source>
        <translation>%1 semaines</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Mots</translation>
    </message>
    <message>
        <source>Phrases</source>
        <translation>Phrases</translation>
    </message>
    <message>
        <source>January</source>
        <translation>janvier</translation>
    </message>
    <message>
        <source>February</source>
        <translation>février</translation>
    </message>
    <message>
        <source>March</source>
        <translation>mars</translation>
    </message>
    <message>
        <source>April</source>
        <translation>avril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>juin</translation>
    </message>
    <message>
        <source>July</source>
        <translation>juillet</translation>
    </message>
    <message>
        <source>August</source>
        <translation>août</translation>
    </message>
    <message>
        <source>September</source>
        <translation>septembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>octobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>décembre</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A day: %1 its number, %2 the month&apos;s name, %3 the year (&quot;2 March 2026&quot;).</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>12-hour clock</source>
        <extracomment>How the language writes the time of day: &quot;12-hour clock&quot; (2:15 pm, with the two texts below) or &quot;24-hour clock&quot; (14:15).</extracomment>
        <translation>24-hour clock</translation>
    </message>
    <message>
        <source>%1:%2 am</source>
        <extracomment>A time before noon on the 12-hour clock: %1 the hour, %2 the minutes.</extracomment>
        <translation>%1:%2 du matin</translation>
    </message>
    <message>
        <source>%1:%2 pm</source>
        <extracomment>A time from noon on the 12-hour clock: %1 the hour, %2 the minutes.</extracomment>
        <translation>%1:%2 de l&apos;après-midi</translation>
    </message>
    <message>
        <source>Weeks, by their Monday</source>
        <translation>Semaines, désignées par leur lundi</translation>
    </message>
    <message>
        <source>Minutes and sessions each week</source>
        <translation>Minutes et séances par semaine</translation>
    </message>
    <message>
        <source>Week of %1, %2: %3, %4</source>
        <extracomment>A bar&apos;s title: %1 the week&apos;s Monday, %2 the activity, %3 the sessions, %4 the minutes (&quot;Week of 2 March 2026, Words: 2 sessions, 17 minutes&quot;).</extracomment>
        <translation>Semaine du %1, %2 : %3, %4</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>date not readable</source>
        <translation>date illisible</translation>
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
        <translation>La hauteur d&apos;une barre donne les minutes lues dans la semaine ; le nombre au-dessus, les séances.</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Enfant</translation>
    </message>
    <message>
        <source>Last session</source>
        <translation>Dernière séance</translation>
    </message>
    <message>
        <source>Reading report: %1</source>
        <translation>Bilan de lecture : %1</translation>
    </message>
    <message>
        <source>From the tracking log, made on %1.</source>
        <translation>D&apos;après le journal des séances, établi le %1.</translation>
    </message>
    <message>
        <source>1 child read in %1; the charts show %2 from %3.</source>
        <extracomment>%1 the sessions (&quot;6 sessions&quot;), %2 the weeks charted (&quot;2 weeks&quot;), %3 the first week&apos;s Monday.</extracomment>
        <translation>1 enfant a lu en %1 ; les graphiques montrent %2 à partir du %3.</translation>
    </message>
    <message>
        <source>%1 children read in %2; the charts show %3 from %4.</source>
        <translation>%1 enfants ont lu en %2 ; les graphiques montrent %3 à partir du %4.</translation>
    </message>
    <message>
        <source>The log holds no sessions yet.</source>
        <translation>Le journal ne contient encore aucune séance.</translation>
    </message>
    <message>
        <source>Other notes</source>
        <translation>Autres notes</translation>
    </message>
    <message>
        <source>Signed in as Teacher (not counted above): %1 of Words, %2 of Phrases, %3.</source>
        <extracomment>&quot;Teacher&quot; is the teacher&apos;s name on the sign-in list; %1 the sessions of Words (&quot;2 sessions&quot;), %2 those of Phrases, %3 the minutes of both (&quot;7 minutes&quot;).</extracomment>
        <translation>Connecté comme Teacher (non compté ci-dessus) : Mots, %1 ; Phrases, %2 ; %3 en tout.</translation>
    </message>
    <message>
        <source>On the user list, never read (%1)</source>
        <extracomment>A heading; %1 the number of names under it.</extracomment>
        <translation>Sur la liste de connexion, n&apos;ont jamais lu (%1)</translation>
    </message>
    <message>
        <source>Everyone on the user list has read.</source>
        <translation>Tous les enfants de la liste de connexion ont lu.</translation>
    </message>
    <message>
        <source>0 sessions</source>
        <translation>0 séance</translation>
    </message>
    <message>
        <source>0 minutes</source>
        <translation>0 minute</translation>
    </message>
</context>
<context>
    <name>kz::admin::ReportShort</name>
    <message>
        <source>Jan</source>
        <translation>janv.</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>févr.</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>mars</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>avr.</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mai</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>juin</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>juil.</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>août</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>sept.</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>oct.</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>nov.</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>déc.</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>dim.</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>lun.</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>mar.</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>mer.</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>jeu.</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>ven.</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>sam.</translation>
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
        <translation>Impossible de créer le dossier %1 : %2</translation>
    </message>
    <message>
        <source>Cannot remove %1</source>
        <translation>Impossible de supprimer %1</translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>Impossible d&apos;écrire %1</translation>
    </message>
    <message>
        <source>The title page (story.txt line %1) names the picture &quot;%2&quot;, which is not a file name of the story&apos;s folder.</source>
        <translation>La page de titre (ligne %1 de story.txt) indique l&apos;image « %2 », qui n&apos;est pas un nom de fichier du dossier de l&apos;histoire.</translation>
    </message>
    <message>
        <source>Page %1 (story.txt line %2) names the picture &quot;%3&quot;, which is not a file name of the story&apos;s folder.</source>
        <translation>La page %1 (ligne %2 de story.txt) indique l&apos;image « %3 », qui n&apos;est pas un nom de fichier du dossier de l&apos;histoire.</translation>
    </message>
    <message>
        <source>The title page (story.txt line %1) names the picture &quot;%2&quot;, which %3 does not hold.</source>
        <translation>La page de titre (ligne %1 de story.txt) indique l&apos;image « %2 », que %3 ne contient pas.</translation>
    </message>
    <message>
        <source>Page %1 (story.txt line %2) names the picture &quot;%3&quot;, which %4 does not hold.</source>
        <translation>La page %1 (ligne %2 de story.txt) indique l&apos;image « %3 », que %4 ne contient pas.</translation>
    </message>
    <message>
        <source>espeak-ng could not say page %1 with the voice &quot;%2&quot;; nothing was written.</source>
        <translation>espeak-ng n&apos;a pas pu dire la page %1 avec la voix « %2 » ; rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>espeak-ng could not say the word &quot;%1&quot; with the voice &quot;%2&quot;; nothing was written.</source>
        <translation>espeak-ng n&apos;a pas pu dire le mot « %1 » avec la voix « %2 » ; rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>espeak-ng did not write a 16-bit mono wave file for page %1.</source>
        <translation>espeak-ng n&apos;a pas écrit de fichier son WAV mono 16 bits pour la page %1.</translation>
    </message>
    <message>
        <source>espeak-ng did not write a 16-bit mono wave file for the word &quot;%1&quot;.</source>
        <translation>espeak-ng n&apos;a pas écrit de fichier son WAV mono 16 bits pour le mot « %1 ».</translation>
    </message>
    <message>
        <source>The number %1 is taken by %2 in the DATA folder: choose another number, or %3 to replace that story.</source>
        <translation>Le numéro %1 est déjà pris par %2 dans le dossier DATA : choisissez un autre numéro, ou %3 pour remplacer cette histoire.</translation>
    </message>
    <message>
        <source>%1 holds no story.txt (or it cannot be read): its first line is the title, then, after a blank line, each page&apos;s [picture] and text.</source>
        <translation>%1 ne contient pas de story.txt (ou il est illisible) : sa première ligne est le titre, puis, après une ligne vide, viennent l&apos;[image] et le texte de chaque page.</translation>
    </message>
    <message>
        <source>The picture %1 cannot be decoded: it must be a PNG, JPEG or BMP picture.</source>
        <translation>L&apos;image %1 ne peut pas être lue : ce doit être une image PNG, JPEG ou BMP.</translation>
    </message>
    <message>
        <source>The story cannot be stored: %1</source>
        <translation>L&apos;histoire ne peut pas être enregistrée : %1</translation>
    </message>
    <message>
        <source>A picture could not be converted to a bitmap.</source>
        <translation>Une image n&apos;a pas pu être convertie en bitmap.</translation>
    </message>
    <message>
        <source>espeak-ng is not installed, so the story&apos;s recordings cannot be made. Install the Debian package espeak-ng (sudo apt install espeak-ng) and run the command again.</source>
        <translation>espeak-ng n&apos;est pas installé : les enregistrements de l&apos;histoire ne peuvent pas être créés. Installez le paquet Debian espeak-ng (sudo apt install espeak-ng), puis réessayez.</translation>
    </message>
</context>
<context>
    <name>kz::admin::Users</name>
    <message>
        <source>&quot;%1&quot; is already in the list.</source>
        <translation>« %1 » est déjà dans la liste.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds &quot;%2&quot;, a letter the names file cannot store (it keeps the letters of Western European languages only).</source>
        <translation>« %1 » contient « %2 », une lettre que le fichier des noms ne peut pas garder (il ne garde que les lettres des langues d&apos;Europe occidentale).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds &quot;%2&quot;, a letter the names file cannot store (it keeps the letters of Western European languages only); type &quot;%3&quot; instead.</source>
        <translation>« %1 » contient « %2 », une lettre que le fichier des noms ne peut pas garder (il ne garde que les lettres des langues d&apos;Europe occidentale) ; tapez « %3 » à la place.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds &quot;%2&quot;, a letter the names file cannot store (it keeps the letters of Western European languages only); type &quot;%3&quot; instead, for instance: wqadmin users DIR add &quot;%4&quot;.</source>
        <translation>« %1 » contient « %2 », une lettre que le fichier des noms ne peut pas garder (il ne garde que les lettres des langues d&apos;Europe occidentale) ; tapez « %3 » à la place, par exemple « %4 ».</translation>
    </message>
    <message>
        <source>The name holds control characters.</source>
        <translation>Le nom contient des caractères de contrôle.</translation>
    </message>
    <message>
        <source>The name is empty.</source>
        <translation>Le nom est vide.</translation>
    </message>
    <message>
        <source>A name holds at most %1 characters.</source>
        <translation>Un nom compte au plus %1 caractères.</translation>
    </message>
    <message>
        <source>%1 does not start with the number of names (it reads &quot;%2&quot;); it was left alone.</source>
        <translation>%1 ne commence pas par le nombre de noms (on y lit « %2 ») ; il n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>The list already holds %1 names, as many as its count can say.</source>
        <translation>La liste contient déjà %1 noms, le plus grand nombre que son compteur peut indiquer.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the list.</source>
        <translation>« %1 » n&apos;est pas dans la liste.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; would take the settings file %2 of &quot;%3&quot;; &quot;%4&quot; was not renamed.</source>
        <translation>« %1 » prendrait le fichier de réglages %2 de « %3 » ; « %4 » n&apos;a pas été renommé.</translation>
    </message>
    <message>
        <source>The settings file %1 that &quot;%2&quot; would use exists already (another child&apos;s settings, kept when they left the list); &quot;%3&quot; was not renamed. Rename or remove that file first.</source>
        <translation>Le fichier de réglages %1 que prendrait « %2 » existe déjà (les réglages d&apos;un autre enfant, gardés quand il a quitté la liste) ; « %3 » n&apos;a pas été renommé. Renommez ou supprimez d&apos;abord ce fichier.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; and &quot;%2&quot; share the settings file %3.</source>
        <translation>« %1 » et « %2 » partagent le fichier de réglages %3.</translation>
    </message>
    <message>
        <source>A position in this list is 1 to %1.</source>
        <translation>Une place dans cette liste va de 1 à %1.</translation>
    </message>
    <message>
        <source>&quot;Teacher&quot; is the name that opens the settings with the password; no child can be renamed to it or from it.</source>
        <translation>« Teacher » est le nom qui ouvre les réglages avec le mot de passe ; aucun enfant ne peut prendre ce nom ni le quitter.</translation>
    </message>
    <message>
        <source>Could not write %1; &quot;%2&quot; was not renamed.</source>
        <translation>Impossible d&apos;écrire %1 ; « %2 » n&apos;a pas été renommé.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is &quot;%2&quot; now, but the log could not be changed: its earlier sessions still show under the old name in %3.</source>
        <translation>« %1 » s&apos;appelle maintenant « %2 », mais le journal n&apos;a pas pu être modifié : ses anciennes séances apparaissent encore sous l&apos;ancien nom dans %3.</translation>
    </message>
    <message>
        <source>The name holds characters that a Windows-1252 file cannot store.</source>
        <translation>Le nom contient des caractères qu&apos;un fichier Windows-1252 ne peut pas garder.</translation>
    </message>
</context>
<context>
    <name>kz::desk::ChildrenPage</name>
    <message>
        <source>The names the children pick when they sign in, in the order the list shows them.</source>
        <translation>Les noms que les enfants choisissent pour se connecter, dans l&apos;ordre où la liste les montre.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Last session</source>
        <translation>Dernière séance</translation>
    </message>
    <message>
        <source>Minutes this week</source>
        <translation>Minutes cette semaine</translation>
    </message>
    <message>
        <source>Children</source>
        <translation>Enfants</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>A&amp;jouter...</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>Re&amp;nommer...</translation>
    </message>
    <message>
        <source>Re&amp;move...</source>
        <translation>Re&amp;tirer...</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>&amp;Monter</translation>
    </message>
    <message>
        <source>Move &amp;down</source>
        <translation>&amp;Descendre</translation>
    </message>
    <message>
        <source>Add a child</source>
        <translation>Ajouter un enfant</translation>
    </message>
    <message>
        <source>Rename the chosen child</source>
        <translation>Renommer l&apos;enfant choisi</translation>
    </message>
    <message>
        <source>Remove the chosen child</source>
        <translation>Retirer l&apos;enfant choisi</translation>
    </message>
    <message>
        <source>Move the chosen child up</source>
        <translation>Monter l&apos;enfant choisi dans la liste</translation>
    </message>
    <message>
        <source>Move the chosen child down</source>
        <translation>Descendre l&apos;enfant choisi dans la liste</translation>
    </message>
    <message>
        <source>never</source>
        <translation>jamais</translation>
    </message>
    <message>
        <source>The name the child picks (at most 16 characters):</source>
        <translation>Le nom que l&apos;enfant choisira (16 caractères au plus) :</translation>
    </message>
    <message>
        <source>Rename a child</source>
        <translation>Renommer un enfant</translation>
    </message>
    <message>
        <source>The new name for &quot;%1&quot; (at most 16 characters):</source>
        <translation>Le nouveau nom de « %1 » (16 caractères au plus) :</translation>
    </message>
    <message>
        <source>Remove a child</source>
        <translation>Retirer un enfant</translation>
    </message>
    <message>
        <source>Take &quot;%1&quot; off the sign-in list? Their settings file and their sessions in the log are kept.</source>
        <translation>Retirer « %1 » de la liste de connexion ? Son fichier de réglages et ses séances dans le journal sont gardés.</translation>
    </message>
</context>
<context>
    <name>kz::desk::ClassSettingsPage</name>
    <message>
        <source>C&amp;hoose...</source>
        <translation>Ch&amp;oisir...</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>Enregi&amp;strer</translation>
    </message>
    <message>
        <source>&amp;Undo changes</source>
        <translation>Annuler les &amp;modifications</translation>
    </message>
    <message>
        <source>Teacher&apos;s password</source>
        <translation>Mot de passe de l&apos;enseignant</translation>
    </message>
    <message>
        <source>At most 8 letters (A-Z) or digits; empty: no password.</source>
        <translation>Au plus 8 lettres (A-Z) ou chiffres ; vide : pas de mot de passe.</translation>
    </message>
    <message>
        <source>Sign-in</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>Nobody signs in</source>
        <translation>Personne ne se connecte</translation>
    </message>
    <message>
        <source>Children pick their name</source>
        <translation>Les enfants choisissent leur nom</translation>
    </message>
    <message>
        <source>Children pick their name and keep their own settings</source>
        <translation>Les enfants choisissent leur nom et gardent leurs propres réglages</translation>
    </message>
    <message>
        <source>&amp;Log each session: who read, when, for how long</source>
        <translation>&amp;Noter chaque séance : qui a lu, quand, combien de temps</translation>
    </message>
    <message>
        <source>Log each session</source>
        <translation>Noter chaque séance au journal</translation>
    </message>
    <message>
        <source>Data folder</source>
        <translation>Dossier des données</translation>
    </message>
    <message>
        <source>Choose the data folder</source>
        <translation>Choisir le dossier des données</translation>
    </message>
    <message>
        <source>Warn when the screen shows too few c&amp;olours</source>
        <translation>Avertir si l&apos;écran affiche trop peu de &amp;couleurs</translation>
    </message>
    <message>
        <source>Warn when the screen shows too few colours</source>
        <translation>Avertir si l&apos;écran affiche trop peu de couleurs</translation>
    </message>
    <message>
        <source>Warn when the font &amp;Arial is missing</source>
        <translation>Avertir si la police Arial man&amp;que</translation>
    </message>
    <message>
        <source>Warn when the font Arial is missing</source>
        <translation>Avertir si la police Arial manque</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>La langue du bureau (système)</translation>
    </message>
    <message>
        <source>Save the class settings</source>
        <translation>Enregistrer les réglages de la classe</translation>
    </message>
    <message>
        <source>Undo the changes not saved</source>
        <translation>Annuler les modifications non enregistrées</translation>
    </message>
    <message>
        <source>Teacher&apos;s passwo&amp;rd:</source>
        <translation>Mot de passe de l&apos;ensei&amp;gnant :</translation>
    </message>
    <message>
        <source>Sig&amp;n-in:</source>
        <translation>Mode de conne&amp;xion :</translation>
    </message>
    <message>
        <source>&amp;Data folder:</source>
        <translation>&amp;Dossier des données :</translation>
    </message>
    <message>
        <source>Lan&amp;guage of the programs:</source>
        <translation>Lang&amp;ue des programmes :</translation>
    </message>
    <message>
        <source>Sign-in mode %1, as the class&apos;s settings hold it</source>
        <translation>Mode de connexion %1, tel que le gardent les réglages de la classe</translation>
    </message>
    <message>
        <source>sessions logged</source>
        <translation>séances notées au journal</translation>
    </message>
    <message>
        <source>sessions not logged</source>
        <translation>séances non notées</translation>
    </message>
    <message>
        <source>warn</source>
        <translation>avertir</translation>
    </message>
    <message>
        <source>do not warn</source>
        <translation>ne pas avertir</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(vide)</translation>
    </message>
    <message>
        <source>Each child picks their name from the list when a program starts; everyone shares the class&apos;s settings.</source>
        <translation>Chaque enfant choisit son nom dans la liste au démarrage d&apos;un programme ; tout le monde partage les réglages de la classe.</translation>
    </message>
    <message>
        <source>Each child picks their name from the list when a program starts, and keeps settings of their own (their word list, their story).</source>
        <translation>Chaque enfant choisit son nom dans la liste au démarrage d&apos;un programme et garde ses propres réglages (sa liste de mots, son histoire).</translation>
    </message>
    <message>
        <source>The programs start at once, without asking a name; everyone shares the class&apos;s settings, and the log names nobody.</source>
        <translation>Les programmes démarrent tout de suite, sans demander de nom ; tout le monde partage les réglages de la classe, et le journal ne nomme personne.</translation>
    </message>
    <message>
        <source>The data folder</source>
        <translation>Le dossier des données</translation>
    </message>
    <message>
        <source>Class settings</source>
        <translation>Réglages de la classe</translation>
    </message>
    <message>
        <source>This setting was changed in the class folder since the desk showed it.

Here: %1
In the class folder: %2

Which do you keep?</source>
        <translation>Ce réglage a été modifié dans le dossier de la classe depuis que le bureau l&apos;a affiché.

Ici : %1
Dans le dossier de la classe : %2

Lequel gardez-vous ?</translation>
    </message>
    <message>
        <source>Keep &amp;mine</source>
        <translation>Garder la &amp;mienne</translation>
    </message>
    <message>
        <source>Keep the &amp;other</source>
        <translation>Garder l&apos;&amp;autre</translation>
    </message>
    <message>
        <source>The folder %1 does not exist; the settings were not saved.</source>
        <translation>Le dossier %1 n&apos;existe pas ; les réglages n&apos;ont pas été enregistrés.</translation>
    </message>
    <message numerus="yes">
        <source>Made %n settings file(s) from TEACHER.WQ for the names that had none.</source>
        <translation>
            <numerusform>%n fichier de réglages créé à partir de TEACHER.WQ pour le nom qui n&apos;en avait pas.</numerusform>
            <numerusform>%n fichiers de réglages créés à partir de TEACHER.WQ pour les noms qui n&apos;en avaient pas.</numerusform>
        </translation>
    </message>
    <message>
        <source>The language could not be written to %1.</source>
        <translation>La langue n&apos;a pas pu être écrite dans %1.</translation>
    </message>
</context>
<context>
    <name>kz::desk::DeskWindow</name>
    <message>
        <source>Teacher&apos;s Desk</source>
        <translation>Bureau de l&apos;enseignant</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>Teacher&apos;s Desk Help</source>
        <translation>Aide du Bureau de l&apos;enseignant</translation>
    </message>
    <message>
        <source>&amp;Children</source>
        <translation>&amp;Enfants</translation>
    </message>
    <message>
        <source>Class &amp;settings</source>
        <translation>&amp;Réglages de la classe</translation>
    </message>
    <message>
        <source>&amp;Progress</source>
        <translation>&amp;Progrès</translation>
    </message>
    <message>
        <source>&amp;Word lists</source>
        <translation>&amp;Listes de mots</translation>
    </message>
    <message>
        <source>S&amp;tories</source>
        <translation>&amp;Histoires</translation>
    </message>
</context>
<context>
    <name>kz::desk::ProgressChart</name>
    <message>
        <source>Minutes and sessions each week</source>
        <translation>Minutes et séances par semaine</translation>
    </message>
    <message>
        <source>No child read in these days.</source>
        <translation>Aucun enfant n&apos;a lu pendant ces jours.</translation>
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
        <translation>1 séance</translation>
    </message>
    <message>
        <source>%1 sessions</source>
        <translation>%1 séances</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minute</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minutes</translation>
    </message>
    <message>
        <source>week of %1: %2</source>
        <translation>semaine du %1 : %2</translation>
    </message>
    <message>
        <source>no session</source>
        <translation>aucune séance</translation>
    </message>
    <message>
        <source>Kiv (words)</source>
        <translation>Kiv (mots)</translation>
    </message>
    <message>
        <source>Zan (stories)</source>
        <translation>Zan (histoires)</translation>
    </message>
    <message>
        <source>Bar: minutes that week. Figure: sessions.</source>
        <translation>Barre : minutes de la semaine. Nombre : séances.</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <extracomment>A week&apos;s Monday (a QDate format).</extracomment>
        <translation>d MMMM yyyy</translation>
    </message>
</context>
<context>
    <name>kz::desk::ProgressPage</name>
    <message>
        <source>Save as &amp;HTML...</source>
        <translation>Enregistrer en HT&amp;ML...</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Save as CS&amp;V...</source>
        <translation>Enregistrer en CS&amp;V...</translation>
    </message>
    <message>
        <source>First day</source>
        <translation>Premier jour</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>Dernier jour</translation>
    </message>
    <message>
        <source>Save the report as a web page</source>
        <translation>Enregistrer le rapport comme page web</translation>
    </message>
    <message>
        <source>Print the progress</source>
        <translation>Imprimer les progrès</translation>
    </message>
    <message>
        <source>Save the sessions as CSV for a spreadsheet</source>
        <translation>Enregistrer les séances en CSV pour un tableur</translation>
    </message>
    <message>
        <source>What is shown</source>
        <translation>Ce qui est affiché</translation>
    </message>
    <message>
        <source>Sessions and minutes of each child</source>
        <translation>Séances et minutes de chaque enfant</translation>
    </message>
    <message>
        <source>Children who never read in these days</source>
        <translation>Enfants qui n&apos;ont pas lu pendant ces jours</translation>
    </message>
    <message>
        <source>Fro&amp;m:</source>
        <translation>&amp;Du :</translation>
    </message>
    <message>
        <source>T&amp;o:</source>
        <translation>A&amp;u :</translation>
    </message>
    <message>
        <source>Each wee&amp;k:</source>
        <translation>Chaque &amp;semaine :</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Enfant</translation>
    </message>
    <message>
        <source>Last session</source>
        <translation>Dernière séance</translation>
    </message>
    <message>
        <source>Kiv sessions</source>
        <translation>Séances Kiv</translation>
    </message>
    <message>
        <source>Kiv minutes</source>
        <translation>Minutes Kiv</translation>
    </message>
    <message>
        <source>Zan sessions</source>
        <translation>Séances Zan</translation>
    </message>
    <message>
        <source>Zan minutes</source>
        <translation>Minutes Zan</translation>
    </message>
    <message>
        <source>Tota&amp;ls:</source>
        <translation>&amp;Totaux :</translation>
    </message>
    <message>
        <source>&amp;Never read:</source>
        <translation>&amp;Jamais lu :</translation>
    </message>
    <message>
        <source>The log could not be read just now; it is read again in a moment. Shown: the log as read at %1. (%2)</source>
        <translation>Le journal n&apos;a pas pu être lu à l&apos;instant ; il sera relu dans un moment. Affiché : le journal tel qu&apos;il était à %1. (%2)</translation>
    </message>
    <message>
        <source>The log could not be read: %1</source>
        <translation>Le journal n&apos;a pas pu être lu : %1</translation>
    </message>
    <message>
        <source>The first day is after the last day.</source>
        <translation>Le premier jour est après le dernier.</translation>
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
        <translation>(tous les enfants de la liste ont lu)</translation>
    </message>
    <message>
        <source>Signed in as Teacher (not counted): %1 sessions.</source>
        <translation>Connecté comme Teacher (non compté) : %1 séances.</translation>
    </message>
    <message>
        <source>The log as read at %1.</source>
        <translation>Le journal tel que lu à %1.</translation>
    </message>
    <message>
        <source>Save as HTML</source>
        <translation>Enregistrer en HTML</translation>
    </message>
    <message>
        <source>Could not write %1.</source>
        <translation>Impossible d&apos;écrire %1.</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Enregistrer en CSV</translation>
    </message>
    <message>
        <source>reading report</source>
        <translation>rapport de lecture</translation>
    </message>
    <message>
        <source>Web pages (*.html)</source>
        <translation>Pages web (*.html)</translation>
    </message>
    <message>
        <source>Save the sessions as CSV</source>
        <translation>Enregistrer les séances en CSV</translation>
    </message>
    <message>
        <source>reading sessions</source>
        <translation>séances de lecture</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Reading of %1</source>
        <translation>Lecture de %1</translation>
    </message>
    <message>
        <source>Never read</source>
        <translation>Jamais lu</translation>
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
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source>1 child read in 1 session from %1 to %2.</source>
        <translation>1 enfant a lu en 1 séance du %1 au %2.</translation>
    </message>
    <message>
        <source>1 child read in %1 sessions from %2 to %3.</source>
        <translation>1 enfant a lu en %1 séances du %2 au %3.</translation>
    </message>
    <message>
        <source>%1 children read in 1 session from %2 to %3.</source>
        <translation>%1 enfants ont lu en 1 séance du %2 au %3.</translation>
    </message>
    <message>
        <source>%1 children read in %2 sessions from %3 to %4.</source>
        <translation>%1 enfants ont lu en %2 séances du %3 au %4.</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The code of the language the saved report is written in (fr, es, de), for browsers and screen readers.</extracomment>
        <translation>fr</translation>
    </message>
</context>
<context>
    <name>kz::desk::StartWindow</name>
    <message>
        <source>Teacher&apos;s Desk</source>
        <translation>Bureau de l&apos;enseignant</translation>
    </message>
    <message>
        <source>The desk works on one class folder: its children, settings, word lists and stories. Open the folder of a class, or make a new class.</source>
        <translation>Le bureau travaille sur un dossier de classe : ses enfants, ses réglages, ses listes de mots et ses histoires. Ouvrez le dossier d&apos;une classe, ou créez une nouvelle classe.</translation>
    </message>
    <message>
        <source>&amp;Open a class folder...</source>
        <translation>&amp;Ouvrir le dossier d&apos;une classe...</translation>
    </message>
    <message>
        <source>Open a class folder</source>
        <translation>Ouvrir le dossier d&apos;une classe</translation>
    </message>
    <message>
        <source>&amp;Make a new class...</source>
        <translation>&amp;Créer une nouvelle classe...</translation>
    </message>
    <message>
        <source>Make a new class</source>
        <translation>Créer une nouvelle classe</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Make a new class in this folder</source>
        <translation>Créer une nouvelle classe dans ce dossier</translation>
    </message>
</context>
<context>
    <name>kz::desk::StoriesPage</name>
    <message>
        <source>Red (books 1 to 16)</source>
        <translation>Rouge (livres 1 à 16)</translation>
    </message>
    <message>
        <source>Yellow (books 17 to 32)</source>
        <translation>Jaune (livres 17 à 32)</translation>
    </message>
    <message>
        <source>None: Zan lists books 1 to 32 only</source>
        <translation>Aucun : Zan ne propose que les livres 1 à 32</translation>
    </message>
    <message>
        <source>Stories in the &amp;data directory, as Zan&apos;s book list shows them:</source>
        <translation>Histoires du dossier des do&amp;nnées, comme la liste des livres de Zan les montre :</translation>
    </message>
    <message>
        <source>Stories</source>
        <translation>Histoires</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Make a story from a folder</source>
        <translation>Créer une histoire à partir d&apos;un dossier</translation>
    </message>
    <message>
        <source>Folder with story.txt and the pictures</source>
        <translation>Dossier avec story.txt et les images</translation>
    </message>
    <message>
        <source>Ch&amp;oose...</source>
        <translation>Ch&amp;oisir...</translation>
    </message>
    <message>
        <source>Choose the folder</source>
        <translation>Choisir le dossier</translation>
    </message>
    <message>
        <source>Fo&amp;lder:</source>
        <translation>Do&amp;ssier :</translation>
    </message>
    <message>
        <source>Story code</source>
        <translation>Code de l&apos;histoire</translation>
    </message>
    <message>
        <source>A book number 01 to 32 and up to six letters, such as 17WALK</source>
        <translation>Un numéro de livre de 01 à 32 et jusqu&apos;à six lettres, comme 17WALK</translation>
    </message>
    <message>
        <source>Stor&amp;y code:</source>
        <translation>Co&amp;de de l&apos;histoire :</translation>
    </message>
    <message>
        <source>Voice of the recordings</source>
        <translation>Voix des enregistrements</translation>
    </message>
    <message>
        <source>&amp;Voice:</source>
        <translation>&amp;Voix :</translation>
    </message>
    <message>
        <source>Speed of the recordings in words a minute</source>
        <translation>Vitesse des enregistrements en mots par minute</translation>
    </message>
    <message>
        <source> words a minute</source>
        <translation> mots par minute</translation>
    </message>
    <message>
        <source>Sp&amp;eed:</source>
        <translation>Vi&amp;tesse :</translation>
    </message>
    <message>
        <source>&amp;Replace the story that has this number</source>
        <translation>Re&amp;mplacer l&apos;histoire qui porte ce numéro</translation>
    </message>
    <message>
        <source>&amp;Make and show it</source>
        <translation>&amp;Créer et afficher</translation>
    </message>
    <message>
        <source>The story before it is kept</source>
        <translation>L&apos;histoire avant qu&apos;elle soit gardée</translation>
    </message>
    <message>
        <source>Previous p&amp;age</source>
        <translation>Pa&amp;ge précédente</translation>
    </message>
    <message>
        <source>&amp;Next page</source>
        <translation>Page s&amp;uivante</translation>
    </message>
    <message>
        <source>&amp;Keep the story</source>
        <translation>Garder l&apos;h&amp;istoire</translation>
    </message>
    <message>
        <source>D&amp;iscard it</source>
        <translation>A&amp;bandonner</translation>
    </message>
    <message>
        <source>The class now uses another data directory: make the story again to keep it there. Nothing was written.</source>
        <translation>La classe utilise maintenant un autre dossier des données : créez de nouveau l&apos;histoire pour l&apos;y garder. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>No title: Zan does not list it</source>
        <translation>Sans titre : Zan ne la propose pas</translation>
    </message>
    <message>
        <source>tick &quot;Replace the story that has this number&quot;</source>
        <translation>cochez « Remplacer l&apos;histoire qui porte ce numéro »</translation>
    </message>
    <message>
        <source>Choose the folder that holds story.txt and the pictures.</source>
        <translation>Choisissez le dossier qui contient story.txt et les images.</translation>
    </message>
    <message>
        <source>Name the voice of the recordings, such as en-gb.</source>
        <translation>Indiquez la voix des enregistrements, par exemple fr-fr.</translation>
    </message>
    <message>
        <source>Making the story...</source>
        <translation>Création de l&apos;histoire...</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Make a story</source>
        <translation>Créer une histoire</translation>
    </message>
    <message>
        <source>Look through the pages, then keep the story or discard it. Nothing is written until it is kept.</source>
        <translation>Parcourez les pages, puis gardez l&apos;histoire ou abandonnez-la. Rien n&apos;est écrit tant qu&apos;elle n&apos;est pas gardée.</translation>
    </message>
    <message>
        <source>Keep the story</source>
        <translation>Garder l&apos;histoire</translation>
    </message>
    <message>
        <source>The story &quot;%1&quot; (%2) is kept: Zan lists it under File &gt; Open.</source>
        <translation>L&apos;histoire « %1 » (%2) est gardée : Zan la propose dans Fichier &gt; Ouvrir.</translation>
    </message>
    <message>
        <source>The story was discarded. Nothing was written.</source>
        <translation>L&apos;histoire a été abandonnée. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>Make a story to see its pages here.</source>
        <translation>Créez une histoire pour voir ses pages ici.</translation>
    </message>
</context>
<context>
    <name>kz::desk::StoryPreview</name>
    <message>
        <source>Page of the story</source>
        <translation>Page de l&apos;histoire</translation>
    </message>
</context>
<context>
    <name>kz::desk::WordListsPage</name>
    <message>
        <source>&amp;New list</source>
        <translation>&amp;Nouvelle liste</translation>
    </message>
    <message>
        <source>S&amp;ave list</source>
        <translation>Enregistrer la li&amp;ste</translation>
    </message>
    <message>
        <source>Make with &amp;espeak-ng</source>
        <translation>Créer avec espea&amp;k-ng</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>Enregistrer au &amp;micro</translation>
    </message>
    <message>
        <source>&amp;Hear</source>
        <translation>É&amp;couter</translation>
    </message>
    <message>
        <source>&amp;Keep</source>
        <translation>Gar&amp;der</translation>
    </message>
    <message>
        <source>Recording &quot;%1&quot;: %2 s. Press Stop recording when the word is said.</source>
        <translation>Enregistrement de « %1 » : %2 s. Appuyez sur Arrêter l&apos;enregistrement quand le mot est dit.</translation>
    </message>
    <message>
        <source>&amp;Lists</source>
        <translation>L&amp;istes</translation>
    </message>
    <message>
        <source>Word lists</source>
        <translation>Listes de mots</translation>
    </message>
    <message>
        <source>New list</source>
        <translation>Nouvelle liste</translation>
    </message>
    <message>
        <source>The list</source>
        <translation>La liste</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Words, one a line</source>
        <translation>Mots, un par ligne</translation>
    </message>
    <message>
        <source>Save list</source>
        <translation>Enregistrer la liste</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>T&amp;itle:</source>
        <translation>&amp;Titre :</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Fichier :</translation>
    </message>
    <message>
        <source>W&amp;ords (one a line):</source>
        <translation>M&amp;ots (un par ligne) :</translation>
    </message>
    <message>
        <source>Recordings</source>
        <translation>Enregistrements</translation>
    </message>
    <message>
        <source>Recor&amp;dings of the words:</source>
        <translation>Enre&amp;gistrements des mots :</translation>
    </message>
    <message>
        <source>Recordings of the words</source>
        <translation>Enregistrements des mots</translation>
    </message>
    <message>
        <source>espeak-ng voice</source>
        <translation>Voix espeak-ng</translation>
    </message>
    <message>
        <source>Speed in words a minute</source>
        <translation>Vitesse en mots par minute</translation>
    </message>
    <message>
        <source>&amp;Voice:</source>
        <translation>&amp;Voix :</translation>
    </message>
    <message>
        <source>Speed (words a &amp;minute):</source>
        <translation>Vitesse (mots par min&amp;ute) :</translation>
    </message>
    <message>
        <source>Make with espeak-ng</source>
        <translation>Créer avec espeak-ng</translation>
    </message>
    <message>
        <source>Record with the microphone</source>
        <translation>Enregistrer au micro</translation>
    </message>
    <message>
        <source>Hear</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>Keep the recording</source>
        <translation>Garder l&apos;enregistrement</translation>
    </message>
    <message>
        <source>What happened</source>
        <translation>Ce qui s&apos;est passé</translation>
    </message>
    <message>
        <source>A list named by a book range is titled by it.</source>
        <translation>Une liste nommée par une série de livres porte cette série comme titre.</translation>
    </message>
    <message>
        <source>The activity cannot load this list as it is; saving it rewrites it.</source>
        <translation>L&apos;activité ne peut pas ouvrir cette liste telle qu&apos;elle est ; l&apos;enregistrer la réécrit.</translation>
    </message>
    <message>
        <source>Every list name this desk gives is taken: remove a list first.</source>
        <translation>Tous les noms de liste que donne ce bureau sont pris : supprimez d&apos;abord une liste.</translation>
    </message>
    <message>
        <source>A new list: give it a title and at least four words, then save it.</source>
        <translation>Une nouvelle liste : donnez-lui un titre et au moins quatre mots, puis enregistrez-la.</translation>
    </message>
    <message>
        <source>Choose a list, or make a new one, first.</source>
        <translation>Choisissez d&apos;abord une liste, ou créez-en une nouvelle.</translation>
    </message>
    <message>
        <source>The list was changed on disk since it was shown here.

Replace it with the words shown here?</source>
        <translation>La liste a été modifiée sur le disque depuis son affichage ici.

La remplacer par les mots affichés ici ?</translation>
    </message>
    <message>
        <source>Teacher&apos;s Desk</source>
        <translation>Bureau de l&apos;enseignant</translation>
    </message>
    <message>
        <source>Saved.</source>
        <translation>Enregistrée.</translation>
    </message>
    <message>
        <source>The list name &quot;%1&quot; is not one the word activity offers.</source>
        <translation>Le nom de liste « %1 » n&apos;est pas de ceux que propose l&apos;activité des mots.</translation>
    </message>
    <message>
        <source>Give the list a title: the word activity shows it.</source>
        <translation>Donnez un titre à la liste : l&apos;activité des mots l&apos;affiche.</translation>
    </message>
    <message>
        <source>The title is longer than %1 characters.</source>
        <translation>Le titre dépasse %1 caractères.</translation>
    </message>
    <message>
        <source>The title &quot;%1&quot; holds a character the word activity cannot show.</source>
        <translation>Le titre « %1 » contient un caractère que l&apos;activité des mots ne peut pas afficher.</translation>
    </message>
    <message>
        <source>The word &quot;%1&quot; holds a character the word activity cannot store.</source>
        <translation>Le mot « %1 » contient un caractère que l&apos;activité des mots ne peut pas garder.</translation>
    </message>
    <message>
        <source>The word &quot;%1&quot; is shorter than 3 letters, so the activity would leave it out.</source>
        <translation>Le mot « %1 » a moins de 3 lettres : l&apos;activité le laisserait de côté.</translation>
    </message>
    <message>
        <source>The word &quot;%1&quot; is longer than 11 letters, so the activity would leave it out.</source>
        <translation>Le mot « %1 » a plus de 11 lettres : l&apos;activité le laisserait de côté.</translation>
    </message>
    <message>
        <source>The word &quot;%1&quot; starts with &quot;*&quot;, which marks a comment, so the activity would leave it out.</source>
        <translation>Le mot « %1 » commence par « * », qui marque un commentaire : l&apos;activité le laisserait de côté.</translation>
    </message>
    <message>
        <source>The word &quot;%1&quot; is in the list twice.</source>
        <translation>Le mot « %1 » figure deux fois dans la liste.</translation>
    </message>
    <message>
        <source>A list needs at least %1 words.</source>
        <translation>Une liste demande au moins %1 mots.</translation>
    </message>
    <message>
        <source>A list holds at most %1 words.</source>
        <translation>Une liste compte au plus %1 mots.</translation>
    </message>
    <message>
        <source>The desk cannot write %1.</source>
        <translation>Le bureau ne peut pas écrire %1.</translation>
    </message>
    <message>
        <source>new, from %1: not kept yet</source>
        <translation>nouveau, par %1 : pas encore gardé</translation>
    </message>
    <message>
        <source>no recording</source>
        <translation>pas d&apos;enregistrement</translation>
    </message>
    <message>
        <source>recorded (installation folder)</source>
        <translation>enregistré (dossier de la classe)</translation>
    </message>
    <message>
        <source>recorded</source>
        <translation>enregistré</translation>
    </message>
    <message>
        <source>%1  -  %2.WAV  -  %3</source>
        <translation>%1  -  %2.WAV  -  %3</translation>
    </message>
    <message>
        <source>espeak-ng is not installed, so no recording can be made with it. Install the package espeak-ng.</source>
        <translation>espeak-ng n&apos;est pas installé : aucun enregistrement ne peut être créé avec lui. Installez le paquet espeak-ng.</translation>
    </message>
    <message>
        <source>espeak-ng could not say &quot;%1&quot; with the voice &quot;%2&quot;.</source>
        <translation>espeak-ng n&apos;a pas pu dire « %1 » avec la voix « %2 ».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; made with espeak-ng. Hear it again, press Keep to keep it, or make it again with another voice or speed.</source>
        <translation>« %1 » créé avec espeak-ng. Réécoutez-le, appuyez sur Garder pour le garder, ou créez-le de nouveau avec une autre voix ou une autre vitesse.</translation>
    </message>
    <message>
        <source>No microphone could be opened: %1</source>
        <translation>Aucun micro n&apos;a pu être ouvert : %1</translation>
    </message>
    <message>
        <source>Stop &amp;recording</source>
        <translation>Arrêter l&apos;enregistre&amp;ment</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>Arrêter l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Nothing was heard from the microphone. Check that it is plugged in and not muted, and record the word again.</source>
        <translation>Le micro n&apos;a rien capté. Vérifiez qu&apos;il est branché et que le son n&apos;est pas coupé, puis enregistrez de nouveau le mot.</translation>
    </message>
    <message>
        <source>the microphone</source>
        <translation>le micro</translation>
    </message>
    <message>
        <source>&quot;%1&quot; recorded. Hear it again, press Keep to keep it, or record it again.</source>
        <translation>« %1 » enregistré. Réécoutez-le, appuyez sur Garder pour le garder, ou enregistrez-le de nouveau.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no recording yet.</source>
        <translation>« %1 » n&apos;a pas encore d&apos;enregistrement.</translation>
    </message>
    <message>
        <source>The desk cannot write the recording of &quot;%1&quot; in the data folder.</source>
        <translation>Le bureau ne peut pas écrire l&apos;enregistrement de « %1 » dans le dossier des données.</translation>
    </message>
    <message>
        <source>The recording of &quot;%1&quot; is kept.</source>
        <translation>L&apos;enregistrement de « %1 » est gardé.</translation>
    </message>
    <message>
        <source>The word &quot;%1&quot; holds something other than the letters A to Z and the accented letters of French, Spanish and German, so the activity would leave it out.</source>
        <translation>Le mot « %1 » contient autre chose que les lettres A à Z et les lettres accentuées du français, de l&apos;espagnol et de l&apos;allemand : l&apos;activité le laisserait de côté.</translation>
    </message>
</context>
</TS>
