<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>kz::ui::ActivityWindow</name>
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
        <source>&amp;Questions</source>
        <translation>&amp;Questions</translation>
    </message>
    <message>
        <source>Show for...</source>
        <translation>Montrer pendant...</translation>
    </message>
    <message>
        <source>&amp;Answers</source>
        <translation>&amp;Réponses</translation>
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
        <source>Show &amp;and speak</source>
        <translation>Montrer &amp;et dire</translation>
    </message>
    <message>
        <source>Just s&amp;how</source>
        <translation>Seulement &amp;montrer</translation>
    </message>
    <message>
        <source>Just s&amp;peak</source>
        <translation>Seulement &amp;dire</translation>
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
        <translation>&amp;Toujours</translation>
    </message>
    <message>
        <source>&amp;2 answers</source>
        <translation>&amp;2 choix</translation>
    </message>
    <message>
        <source>&amp;3 choices</source>
        <translation>&amp;3 choix</translation>
    </message>
    <message>
        <source>&amp;4 choices</source>
        <translation>&amp;4 choix</translation>
    </message>
    <message>
        <source>&amp;Type the answer</source>
        <translation>É&amp;crire la réponse</translation>
    </message>
    <message>
        <source>&amp;See</source>
        <translation>&amp;Voir</translation>
    </message>
    <message>
        <source>&amp;Hear</source>
        <translation>É&amp;couter</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suivant</translation>
    </message>
</context>
<context>
    <name>kz::ui::SettingsWindow</name>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Questions</translation>
    </message>
    <message>
        <source>Show and speak</source>
        <translation>Montrer et dire</translation>
    </message>
    <message>
        <source>Just show</source>
        <translation>Seulement montrer</translation>
    </message>
    <message>
        <source>Just speak</source>
        <translation>Seulement dire</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Réponses</translation>
    </message>
    <message>
        <source>Choice of two</source>
        <translation>Choix entre deux</translation>
    </message>
    <message>
        <source>Choice of three</source>
        <translation>Choix entre trois</translation>
    </message>
    <message>
        <source>Choice of four</source>
        <translation>Choix entre quatre</translation>
    </message>
    <message>
        <source>Type the answer</source>
        <translation>Écrire la réponse</translation>
    </message>
    <message>
        <source>Menus</source>
        <translation>Menus</translation>
    </message>
    <message>
        <source>Wordlist</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Allow loading other wordlists</source>
        <translation>Permettre d&apos;ouvrir d&apos;autres listes</translation>
    </message>
    <message>
        <source>Allow question/answer changes</source>
        <translation>Permettre de changer questions et réponses</translation>
    </message>
    <message>
        <source>Questions per set</source>
        <translation>Questions par série</translation>
    </message>
    <message>
        <source>Show for how long?</source>
        <translation>Montrer combien de temps ?</translation>
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
        <source>Always</source>
        <translation>Toujours</translation>
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
