<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>MainView</name>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Diviser</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Fusionner</translation>
    </message>
    <message>
        <source>or</source>
        <translation>ou</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>Last split:</source>
        <translation>Dernière division :</translation>
    </message>
    <message>
        <source>Last merge:</source>
        <translation>Dernière fusion :</translation>
    </message>
</context>
<context>
    <name>MessageMerge</name>
    <message>
        <source>Merge complete</source>
        <translation>Fusion terminée</translation>
    </message>
    <message>
        <source>All of your files have been merged. You can open the folder to view the result</source>
        <translation>Tous vos fichiers ont été fusionnés. Vous pouvez ouvrir le dossier pour voir le résultat</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>OPEN FOLDER</source>
        <translation>OUVRIR LE DOSSIER</translation>
    </message>
</context>
<context>
    <name>MessagePassword</name>
    <message>
        <source>Enter password</source>
        <translation>Saisir le mot de passe</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>SKIP</source>
        <translation>IGNORER</translation>
    </message>
    <message>
        <source>SKIP ALL</source>
        <translation>TOUT IGNORER</translation>
    </message>
</context>
<context>
    <name>MessageSplit</name>
    <message>
        <source>Split complete</source>
        <translation>Division terminée</translation>
    </message>
    <message>
        <source>Your document was split in %1 files. You can open folder to view the results of proceed of merging them.</source>
        <translation>Votre document a été divisé en %1 fichiers. Vous pouvez ouvrir le dossier pour voir les résultats ou les fusionner.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>OPEN</source>
        <translation>OUVRIR</translation>
    </message>
    <message>
        <source>MERGE RESULTS</source>
        <translation>FUSIONNER</translation>
    </message>
</context>
<context>
    <name>MessageView</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>SaveFolderModel</name>
    <message>
        <source>Sub folder</source>
        <translation>Sous-dossier</translation>
    </message>
    <message>
        <source>Original folder</source>
        <translation>Dossier d&apos;origine</translation>
    </message>
    <message>
        <source>Select folder...</source>
        <translation>Choisir un dossier...</translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>English</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>Select destination folder</source>
        <translation>Choisir le dossier de destination</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>SAVE SETTINGS</source>
        <translation>ENREGISTRER</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ANNULER</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation>Enregistrer dans</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Auteur</translation>
    </message>
    <message>
        <source>Compress files</source>
        <translation>Compresser les fichiers</translation>
    </message>
    <message>
        <source>Check program updates</source>
        <translation>Rechercher les mises à jour</translation>
    </message>
    <message>
        <source>version %1</source>
        <translation>version %1</translation>
    </message>
</context>
<context>
    <name>SplashScreen</name>
    <message>
        <source>Loading%1</source>
        <translation>Chargement%1</translation>
    </message>
</context>
</TS>
