<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>kz::DisplayCheck</name>
    <message>
        <source>The WQ software includes colour illustrations which are designed for display on a screen showing at least 256 colours.  Your present Windows setup allows only %1 colours.

You may proceed, but any colour pictures will be of poor quality, and on some systems the software may run very slowly.

Do you want to proceed?</source>
        <translation>Le logiciel WQ contient des illustrations en couleurs prévues pour un écran d&apos;au moins 256 couleurs.  Votre écran n&apos;en affiche actuellement que %1.

Vous pouvez continuer, mais les images en couleurs seront de mauvaise qualité et, sur certains ordinateurs, le logiciel risque d&apos;être très lent.

Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>This software needs the &quot;Arial&quot; font, normally supplied with Windows.  This font cannot be found.  Please install it.

Without it, the software will try to use an alternative font, but the results are not guaranteed.

Do you wish to proceed?</source>
        <translation>Ce logiciel a besoin de la police « Arial ».  Elle est introuvable.  Veuillez l&apos;installer.

Sans elle, le logiciel utilisera une autre police, mais l&apos;affichage n&apos;est pas garanti.

Voulez-vous continuer ?</translation>
    </message>
</context>
<context>
    <name>kz::FatalError</name>
    <message>
        <source>Unable to start</source>
        <translation>Démarrage impossible</translation>
    </message>
    <message>
        <source>Fatal error.

The settings file is missing, corrupt or unavailable:

%1

If necessary, re-install the software.</source>
        <translation>Erreur grave.

Le fichier de réglages est absent, abîmé ou inaccessible :

%1

Si besoin, réinstallez le logiciel.</translation>
    </message>
    <message>
        <source>Fatal error.

This file is missing or unavailable:

%1

If necessary, re-install the software.</source>
        <translation>Erreur grave.

Ce fichier est absent ou inaccessible :

%1

Si besoin, réinstallez le logiciel.</translation>
    </message>
    <message>
        <source>Fatal error.

This data file is corrupt (bad header information):

%1

Delete it, and then if necessary re-install the software.</source>
        <translation>Erreur grave.

Ce fichier de données est abîmé (en-tête incorrect) :

%1

Supprimez-le, puis si besoin réinstallez le logiciel.</translation>
    </message>
    <message>
        <source>Fatal error.

This data file is corrupt (bad frame header):

%1

Delete it, and then if necessary re-install the software.</source>
        <translation>Erreur grave.

Ce fichier de données est abîmé (en-tête de page incorrect) :

%1

Supprimez-le, puis si besoin réinstallez le logiciel.</translation>
    </message>
    <message>
        <source>Fatal error.  Unable to open a suitable story.

Please ensure that the directory
%1/DATA
contains a data file for one of the red or yellow level stories as its first entry.  A likely file would be 25SAMPLE.DAT

This software will now quit.</source>
        <translation>Erreur grave.  Impossible d&apos;ouvrir une histoire.

Vérifiez que le dossier
%1/DATA
contient en premier le fichier de données d&apos;une histoire du niveau rouge ou jaune, par exemple 25SAMPLE.DAT

Le logiciel va maintenant se fermer.</translation>
    </message>
    <message>
        <source>Fatal error.

Error type: %1

%2</source>
        <translation>Erreur grave.

Type d&apos;erreur : %1

%2</translation>
    </message>
</context>
<context>
    <name>kz::KivSettings</name>
    <message>
        <source>1 (no frogs)</source>
        <translation>1 (sans grenouille)</translation>
    </message>
</context>
<context>
    <name>kz::Password</name>
    <message>
        <source>Wrong password</source>
        <translation>Mot de passe incorrect</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
</context>
<context>
    <name>kz::Recovery</name>
    <message>
        <source>This folder name has letters that cannot be stored in the settings file. Please use a folder whose name has only Western European letters.</source>
        <translation>Le nom de ce dossier contient des lettres que le fichier de réglages ne peut pas enregistrer. Choisissez un dossier dont le nom n&apos;a que des lettres d&apos;Europe de l&apos;Ouest.</translation>
    </message>
    <message>
        <source>WQ %1 CD not found!

If you are running from CD, please insert the WQ %1 CD now, then click on &apos;Try again&apos;.

If you have only recently inserted the CD, please wait a while before clicking on &apos;Try again&apos;, because your computer may take some time to recognise the new CD.

If you are sure the WQ %1 CD is in the drive (you must use the CD drive from which you installed it), or if you are not running from CD, please click on &apos;Details&apos;.</source>
        <translation>CD WQ %1 introuvable !

Si vous utilisez le CD, insérez maintenant le CD WQ %1, puis cliquez sur « Réessayer ».

Si vous venez d&apos;insérer le CD, patientez un peu avant de cliquer sur « Réessayer » : l&apos;ordinateur peut mettre un moment à reconnaître le nouveau CD.

Si vous êtes sûr que le CD WQ %1 est dans le lecteur (celui qui a servi à l&apos;installation), ou si vous n&apos;utilisez pas de CD, cliquez sur « Détails ».</translation>
    </message>
    <message>
        <source>SUCCESS!

The file was found at the new data directory which you gave, namely

%1

Do you want to save this change, and use this new directory PERMANENTLY as the data directory?

(If you answer &quot;No&quot;, the change will apply for this session only.)</source>
        <translation>RÉUSSI !

Le fichier a été trouvé dans le nouveau dossier de données indiqué :

%1

Voulez-vous enregistrer ce changement et garder ce dossier DÉFINITIVEMENT comme dossier de données ?

(Si vous répondez « Non », le changement ne vaudra que pour cette séance.)</translation>
    </message>
    <message>
        <source>Data files needed by this application cannot be found.

If you are using a CD version, ensure that the correct CD is in the drive.

Correct the problem and click on &quot;Try again&quot;, or click on &quot;Details...&quot; for a full explanation.</source>
        <translation>Des fichiers de données nécessaires sont introuvables.

Si vous utilisez une version sur CD, vérifiez que le bon CD est dans le lecteur.

Corrigez le problème et cliquez sur « Réessayer », ou cliquez sur « Détails... » pour une explication complète.</translation>
    </message>
    <message>
        <source>Various data files are missing.

The expected location is
%1

One possibility is that network or CD drive letters have changed.  You can type a new location in the box below then click on &quot;Try again&quot;.  If you are using a CD, type the folder where it is mounted, for example /media/cdrom

If this does not help, re-install the software.</source>
        <translation>Plusieurs fichiers de données manquent.

Ils devraient se trouver dans
%1

Les lettres des lecteurs réseau ou CD ont peut-être changé.  Vous pouvez taper un nouvel emplacement dans la case ci-dessous, puis cliquer sur « Réessayer ».  Pour un CD, tapez le dossier où il est monté, par exemple /media/cdrom

Si cela ne suffit pas, réinstallez le logiciel.</translation>
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
        <translation>Le fichier introuvable est
%1

Il devrait se trouver dans le dossier de données
%2
ou dans le dossier d&apos;installation
%3
(Ce peut être le même.)

Pour essayer un autre emplacement (par exemple si les lettres des lecteurs réseau ou CD ont changé), tapez-le dans la case ci-dessous, puis cliquez sur « Réessayer ».  Pour un CD, tapez le dossier où il est monté, par exemple /media/cdrom</translation>
    </message>
    <message>
        <source>No books could be found!

If you are running from CD, please insert a WQ CD now, then click on &apos;Try again&apos;.

If you have only recently inserted the CD, please wait a while before clicking on &apos;Try again&apos;, because your computer may take some time to recognise the new CD.

If you are sure a WQ CD is in the drive (you must use the CD drive from which you installed it), or if you are not running from CD, please click on &apos;Details&apos;.</source>
        <translation>Aucun livre n&apos;a été trouvé !

Si vous utilisez un CD, insérez maintenant un CD WQ, puis cliquez sur « Réessayer ».

Si vous venez d&apos;insérer le CD, patientez un peu avant de cliquer sur « Réessayer » : l&apos;ordinateur peut mettre un moment à reconnaître le nouveau CD.

Si vous êtes sûr qu&apos;un CD WQ est dans le lecteur (celui qui a servi à l&apos;installation), ou si vous n&apos;utilisez pas de CD, cliquez sur « Détails ».</translation>
    </message>
</context>
<context>
    <name>kz::Settings</name>
    <message>
        <source>It was not possible to save the settings/password.

Any changes you have made will apply for this session only.</source>
        <translation>Impossible d&apos;enregistrer les réglages ou le mot de passe.

Vos modifications ne vaudront que pour cette séance.</translation>
    </message>
    <message>
        <source>It was not possible to save the settings file
%1</source>
        <translation>Impossible d&apos;enregistrer le fichier de réglages
%1</translation>
    </message>
</context>
<context>
    <name>kz::SettingsEditor</name>
    <message>
        <source>These settings apply to everyone.</source>
        <translation>Ces réglages valent pour tout le monde.</translation>
    </message>
    <message>
        <source>Individual settings are being used.</source>
        <translation>Chacun a ses propres réglages.</translation>
    </message>
    <message>
        <source>Settings for %1</source>
        <translation>Réglages de %1</translation>
    </message>
    <message>
        <source>Save as settings for...</source>
        <translation>Enregistrer comme réglages de...</translation>
    </message>
    <message>
        <source>Changes not saved</source>
        <translation>Modifications non enregistrées</translation>
    </message>
    <message>
        <source>Open settings for...</source>
        <translation>Ouvrir les réglages de...</translation>
    </message>
    <message>
        <source>These settings have been altered but not saved.

Are you sure want to open other settings, without saving these first?</source>
        <translation>Ces réglages ont été modifiés mais pas enregistrés.

Voulez-vous vraiment ouvrir d&apos;autres réglages sans enregistrer ceux-ci ?</translation>
    </message>
    <message>
        <source>%1 has no settings file yet.

Use Save As to give %1 these settings.</source>
        <translation>%1 n&apos;a pas encore de fichier de réglages.

Utilisez « Enregistrer sous » pour donner ces réglages à %1.</translation>
    </message>
    <message>
        <source>The settings file of %1 cannot be read:
%2

Use Save As to give %1 these settings.</source>
        <translation>Le fichier de réglages de %1 ne peut pas être lu :
%2

Utilisez « Enregistrer sous » pour donner ces réglages à %1.</translation>
    </message>
    <message>
        <source>Settings for 
%1</source>
        <translation>Réglages de 
%1</translation>
    </message>
</context>
<context>
    <name>kz::Startup</name>
    <message>
        <source>Can&apos;t write to log</source>
        <translation>Écriture du journal impossible</translation>
    </message>
    <message>
        <source>It was not possible to update the tracking log file with details of this session.

Do you want to try again?</source>
        <translation>Impossible de noter cette séance dans le journal de suivi.

Voulez-vous réessayer ?</translation>
    </message>
</context>
<context>
    <name>kz::StoryNames</name>
    <message>
        <source>Pictures by %1</source>
        <translation>Images de %1</translation>
    </message>
    <message>
        <source>Story %1
Pictures by %2</source>
        <translation>Histoire %1
Images de %2</translation>
    </message>
    <message>
        <source>Books %1 to %2</source>
        <translation>Livres %1 à %2</translation>
    </message>
    <message>
        <source>retold by %1</source>
        <translation>racontée par %1</translation>
    </message>
    <message>
        <source>by %1</source>
        <translation>de %1</translation>
    </message>
    <message>
        <source>All books 1 to %1</source>
        <translation>Tous les livres de 1 à %1</translation>
    </message>
    <message>
        <source>Up to book %1</source>
        <translation>Jusqu&apos;au livre %1</translation>
    </message>
</context>
<context>
    <name>kz::StorySource</name>
    <message>
        <source>the title page</source>
        <translation>La page de titre</translation>
    </message>
    <message>
        <source>page %1</source>
        <translation>La page %1</translation>
    </message>
    <message>
        <source>%1 (story.txt line %2)</source>
        <translation>%1 (ligne %2 de story.txt)</translation>
    </message>
    <message>
        <source>%1: the word %2 holds a letter that Windows-1252 text (the story file&apos;s) cannot hold.</source>
        <translation>%1 : le mot %2 contient une lettre que le texte Windows-1252 (celui du fichier de l&apos;histoire) ne peut pas contenir.</translation>
    </message>
    <message>
        <source>%1: the word %2 is too long for a line.</source>
        <translation>%1 : le mot %2 est trop long pour une ligne.</translation>
    </message>
    <message>
        <source>%1 has more words than a page can take: %2 words need %3 lines of about %4 letters, and a page shows %5. Move some of its text to a page of its own.</source>
        <translation>%1 a plus de mots qu&apos;une page ne peut en contenir : %2 mots demandent %3 lignes d&apos;environ %4 lettres, et une page en affiche %5. Mettez une partie de son texte sur une page à part.</translation>
    </message>
    <message>
        <source>The story code %1 is not two digits followed by up to six letters or digits (such as 17WALK).</source>
        <translation>Le code d&apos;histoire %1 n&apos;est pas formé de deux chiffres suivis d&apos;au plus six lettres ou chiffres (comme 17WALK).</translation>
    </message>
    <message>
        <source>The story code %1 is numbered %2; the story reader opens only stories numbered 01 to 32.</source>
        <translation>Le code d&apos;histoire %1 porte le numéro %2 ; le lecteur d&apos;histoires n&apos;ouvre que les histoires numérotées de 01 à 32.</translation>
    </message>
    <message>
        <source>story.txt is not UTF-8 text.</source>
        <translation>story.txt n&apos;est pas un texte UTF-8.</translation>
    </message>
    <message>
        <source>story.txt must begin with the story&apos;s title on its first line.</source>
        <translation>story.txt doit commencer par le titre de l&apos;histoire sur sa première ligne.</translation>
    </message>
    <message>
        <source>The credit %1 holds a letter Windows-1252 cannot hold.</source>
        <translation>La mention %1 contient une lettre que Windows-1252 ne peut pas contenir.</translation>
    </message>
    <message>
        <source>story.txt has no pages: after the title, leave a blank line, then give each page as a line [picture.png] followed by its text.</source>
        <translation>story.txt n&apos;a pas de pages : après le titre, laissez une ligne vide, puis écrivez chaque page sous la forme d&apos;une ligne [image.png] suivie de son texte.</translation>
    </message>
    <message>
        <source>%1 does not begin with its picture, written as [picture.png].</source>
        <translation>%1 ne commence pas par son image, écrite sous la forme [image.png].</translation>
    </message>
    <message>
        <source>%1 has a picture but no text.</source>
        <translation>%1 a une image mais pas de texte.</translation>
    </message>
    <message>
        <source>story.txt has %1 pages; a story has at most 99 (its recordings are numbered 01 to 99).</source>
        <translation>story.txt a %1 pages ; une histoire en a au plus 99 (ses enregistrements sont numérotés de 01 à 99).</translation>
    </message>
</context>
<context>
    <name>kz::TrackingLog</name>
    <message>
        <source>Log too long</source>
        <translation>Journal trop long</translation>
    </message>
    <message>
        <source>Message for teacher.

The tracking log file is nearly full.

Please delete some of it.</source>
        <translation>Message pour l&apos;enseignant.

Le journal de suivi est presque plein.

Veuillez en supprimer une partie.</translation>
    </message>
</context>
<context>
    <name>kz::WordList</name>
    <message>
        <source>Unable to load the file

%1</source>
        <translation>Impossible d&apos;ouvrir le fichier

%1</translation>
    </message>
    <message>
        <source>The file

%1

is not a suitable wordlist file.</source>
        <translation>Le fichier

%1

n&apos;est pas une liste de mots valable.</translation>
    </message>
    <message>
        <source>The file

%1

does not contain enough words.</source>
        <translation>Le fichier

%1

ne contient pas assez de mots.</translation>
    </message>
</context>
<context>
    <name>kz::ui::ChooserDialog</name>
    <message>
        <source>Choose a story</source>
        <translation>Choisis une histoire</translation>
    </message>
    <message>
        <source>Choose a wordlist</source>
        <translation>Choisis une liste de mots</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>kz::ui::DisplayCheckDialog</name>
    <message>
        <source>Yes - proceed</source>
        <translation>Oui - continuer</translation>
    </message>
    <message>
        <source>No - quit</source>
        <translation>Non - quitter</translation>
    </message>
    <message>
        <source>  Omit this warning in future.</source>
        <translation>  Ne plus afficher cet avertissement.</translation>
    </message>
    <message>
        <source>WQ Story Books Software</source>
        <translation>Logiciel WQ Story Books</translation>
    </message>
</context>
<context>
    <name>kz::ui::HelpWindow</name>
    <message>
        <source>Type a word to look for</source>
        <translation>Tapez un mot à chercher</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>&lt;p&gt;The help document %1 could not be read.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Le document d&apos;aide %1 n&apos;a pas pu être lu.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>kz::ui::MainFrame</name>
    <message>
        <source>Words</source>
        <translation>Mots</translation>
    </message>
    <message>
        <source>Phrases</source>
        <translation>Phrases</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Search for help on...</source>
        <translation>&amp;Rechercher dans l&apos;aide...</translation>
    </message>
    <message>
        <source>&amp;About WQ Story Books...</source>
        <translation>À &amp;propos de WQ Story Books...</translation>
    </message>
    <message>
        <source> Help</source>
        <translation> - Aide</translation>
    </message>
</context>
<context>
    <name>kz::ui::PasswordDialog</name>
    <message>
        <source>PASSWORD</source>
        <translation>MOT DE PASSE</translation>
    </message>
    <message>
        <source>       This is for teacher use only.       Please type the password, then hit ENTER or click on the green tick.  Use the cross to cancel.  Read the manual if you have forgotten the password!</source>
        <translation>       Réservé à l&apos;enseignant.       Tapez le mot de passe, puis appuyez sur ENTRÉE ou cliquez sur la coche verte.  La croix annule.  Consultez le manuel si vous avez oublié le mot de passe !</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>kz::ui::RecoveryDialog</name>
    <message>
        <source>&amp;Try again</source>
        <translation>&amp;Réessayer</translation>
    </message>
    <message>
        <source>&amp;Details...</source>
        <translation>&amp;Détails...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
</context>
<context>
    <name>kz::ui::SignInDialog</name>
    <message>
        <source>F3 to exit</source>
        <translation>F3 pour quitter</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>What
is your name?</source>
        <translation>Quel est
ton nom&#xa0;?</translation>
    </message>
</context>
<context>
    <name>kz::ui::StartupWindow</name>
    <message>
        <source>Kiv: words   •   Zan: stories</source>
        <translation>Kiv : les mots   •   Zan : les histoires</translation>
    </message>
    <message>
        <source>Reading activities for young children</source>
        <translation>Activités de lecture pour les petits</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version 3.10 December 2010</source>
        <translation>Version 3.10 décembre 2010</translation>
    </message>
</context>
</TS>
