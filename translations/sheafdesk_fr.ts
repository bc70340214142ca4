<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AdvancedSettingsView</name>
    <message>
        <source>BASENAME</source>
        <translation>BASENAME</translation>
    </message>
    <message>
        <source>COUNTER</source>
        <translation>COUNTER</translation>
    </message>
    <message>
        <source>PAGE</source>
        <translation>PAGE</translation>
    </message>
    <message>
        <source>DATENOW</source>
        <translation>DATENOW</translation>
    </message>
    <message>
        <source>TIMENOW</source>
        <translation>TIMENOW</translation>
    </message>
    <message>
        <source>Advanced Settings</source>
        <translation>Paramètres avancés</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Permissions:</source>
        <translation>Autorisations :</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Impression</translation>
    </message>
    <message>
        <source>Editing</source>
        <translation>Modification</translation>
    </message>
    <message>
        <source>Copying</source>
        <translation>Copie</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe :</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titre :</translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>Auteur :</translation>
    </message>
    <message>
        <source>Filename Prefix:</source>
        <translation>Préfixe du nom de fichier :</translation>
    </message>
    <message>
        <source>SAVE SETTINGS</source>
        <translation>ENREGISTRER</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ANNULER</translation>
    </message>
</context>
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
    <name>MergeModel</name>
    <message>
        <source>All (%1)</source>
        <translation>Toutes (%1)</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Can not open file</source>
        <translation>Impossible d&apos;ouvrir le fichier</translation>
    </message>
    <message>
        <source>The password for %1 is incorrect</source>
        <translation>Le mot de passe de %1 est incorrect</translation>
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
    <name>MessageUpdate</name>
    <message>
        <source>Update available!</source>
        <translation>Mise à jour disponible !</translation>
    </message>
    <message>
        <source>New version of the program is available: &lt;b&gt;%1&lt;/b&gt;.</source>
        <translation>Une nouvelle version du programme est disponible : &lt;b&gt;%1&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>Read about</source>
        <translation>Découvrez les</translation>
    </message>
    <message>
        <source>new features</source>
        <translation>nouvelles fonctionnalités</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ANNULER</translation>
    </message>
    <message>
        <source>DOWNLOAD</source>
        <translation>TÉLÉCHARGER</translation>
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
    <name>ProgressControl</name>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>Add files</source>
        <translation>Ajout de fichiers</translation>
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
<context>
    <name>Split</name>
    <message>
        <source>%1 MB</source>
        <translation>%1 Mo</translation>
    </message>
</context>
</TS>
