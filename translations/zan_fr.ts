<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>kz::zan::ZanSettingsWindow</name>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Apply to</source>
        <translation>Pour qui</translation>
    </message>
    <message>
        <source>Story loaded when software starts:</source>
        <translation>Histoire ouverte au démarrage :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click here to save these settings.</source>
        <translation>Cliquez ici pour enregistrer ces réglages.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Click here to cancel any changes you have made.</source>
        <translation>Cliquez ici pour annuler vos modifications.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
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
        <source>&amp;Search for Help on...</source>
        <translation>&amp;Rechercher dans l&apos;aide...</translation>
    </message>
    <message>
        <source>&amp;About WQ Story Books...</source>
        <translation>À &amp;propos de WQ Story Books...</translation>
    </message>
    <message>
        <source>User can load other stories</source>
        <translation>L&apos;enfant peut ouvrir d&apos;autres histoires</translation>
    </message>
    <message>
        <source>Correctly selected words are spoken</source>
        <translation>Les mots bien choisis sont lus</translation>
    </message>
    <message>
        <source>User can click to hear whole page</source>
        <translation>L&apos;enfant peut écouter toute la page</translation>
    </message>
    <message>
        <source>Whole page spoken at start</source>
        <translation>Page entière lue au début</translation>
    </message>
    <message>
        <source>The story reader can be used with the red level (books 1 to 16) and the yellow level (books 17 to 32).

Here you choose the story loaded when the software starts, whether the user can load other stories, and which of the optional sounds and clues are on.</source>
        <translation>Le lecteur d&apos;histoires sert au niveau rouge (livres 1 à 16) et au niveau jaune (livres 17 à 32).

Choisissez ici l&apos;histoire ouverte au démarrage, si l&apos;enfant peut ouvrir d&apos;autres histoires, et quels sons et indices sont activés.</translation>
    </message>
</context>
<context>
    <name>kz::zan::ZanWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Se&amp;ttings</source>
        <translation>Réglag&amp;es</translation>
    </message>
    <message>
        <source>&amp;Alter the settings</source>
        <translation>&amp;Modifier les réglages</translation>
    </message>
    <message>
        <source>Hel&amp;p</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Search for Help on...</source>
        <translation>&amp;Rechercher dans l&apos;aide...</translation>
    </message>
    <message>
        <source>&amp;About WQ Story Books...</source>
        <translation>À &amp;propos de WQ Story Books...</translation>
    </message>
    <message>
        <source>&amp;Hear</source>
        <translation>É&amp;couter</translation>
    </message>
    <message>
        <source>&amp;Book</source>
        <translation>&amp;Livre</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>Dé&amp;but</translation>
    </message>
</context>
</TS>
