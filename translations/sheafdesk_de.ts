<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
        <translation>Erweiterte Einstellungen</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Permissions:</source>
        <translation>Berechtigungen:</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Editing</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Copying</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titel:</translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>Autor:</translation>
    </message>
    <message>
        <source>Filename Prefix:</source>
        <translation>Dateinamen-Präfix:</translation>
    </message>
    <message>
        <source>SAVE SETTINGS</source>
        <translation>SPEICHERN</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ABBRECHEN</translation>
    </message>
</context>
<context>
    <name>MainView</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Teilen</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Vereinen</translation>
    </message>
    <message>
        <source>or</source>
        <translation>oder</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Last split:</source>
        <translation>Zuletzt geteilt:</translation>
    </message>
    <message>
        <source>Last merge:</source>
        <translation>Zuletzt vereint:</translation>
    </message>
</context>
<context>
    <name>MergeModel</name>
    <message>
        <source>All (%1)</source>
        <translation>Alle (%1)</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Can not open file</source>
        <translation>Datei kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>The password for %1 is incorrect</source>
        <translation>Das Passwort für %1 ist falsch</translation>
    </message>
</context>
<context>
    <name>MessageMerge</name>
    <message>
        <source>Merge complete</source>
        <translation>Vereinen abgeschlossen</translation>
    </message>
    <message>
        <source>All of your files have been merged. You can open the folder to view the result</source>
        <translation>Alle Ihre Dateien wurden vereint. Sie können den Ordner öffnen, um das Ergebnis anzusehen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>OPEN FOLDER</source>
        <translation>ORDNER ÖFFNEN</translation>
    </message>
</context>
<context>
    <name>MessagePassword</name>
    <message>
        <source>Enter password</source>
        <translation>Passwort eingeben</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>SKIP</source>
        <translation>ÜBERSPRINGEN</translation>
    </message>
    <message>
        <source>SKIP ALL</source>
        <translation>ALLE ÜBERSPRINGEN</translation>
    </message>
</context>
<context>
    <name>MessageSplit</name>
    <message>
        <source>Split complete</source>
        <translation>Teilung abgeschlossen</translation>
    </message>
    <message>
        <source>Your document was split in %1 files. You can open folder to view the results of proceed of merging them.</source>
        <translation>Ihr Dokument wurde in %1 Dateien geteilt. Sie können den Ordner öffnen, um die Ergebnisse anzusehen, oder sie vereinen.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>OPEN</source>
        <translation>ÖFFNEN</translation>
    </message>
    <message>
        <source>MERGE RESULTS</source>
        <translation>VEREINEN</translation>
    </message>
</context>
<context>
    <name>MessageUpdate</name>
    <message>
        <source>Update available!</source>
        <translation>Update verfügbar!</translation>
    </message>
    <message>
        <source>New version of the program is available: &lt;b&gt;%1&lt;/b&gt;.</source>
        <translation>Eine neue Version des Programms ist verfügbar: &lt;b&gt;%1&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>Read about</source>
        <translation>Lesen Sie mehr über die</translation>
    </message>
    <message>
        <source>new features</source>
        <translation>neuen Funktionen</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ABBRECHEN</translation>
    </message>
    <message>
        <source>DOWNLOAD</source>
        <translation>HERUNTERLADEN</translation>
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
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausieren</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>Add files</source>
        <translation>Dateien hinzufügen</translation>
    </message>
</context>
<context>
    <name>SaveFolderModel</name>
    <message>
        <source>Sub folder</source>
        <translation>Unterordner</translation>
    </message>
    <message>
        <source>Original folder</source>
        <translation>Ursprungsordner</translation>
    </message>
    <message>
        <source>Select folder...</source>
        <translation>Ordner wählen...</translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>English</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Select destination folder</source>
        <translation>Zielordner wählen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>SAVE SETTINGS</source>
        <translation>SPEICHERN</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ABBRECHEN</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation>Speichern in</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Compress files</source>
        <translation>Dateien komprimieren</translation>
    </message>
    <message>
        <source>Check program updates</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>SplashScreen</name>
    <message>
        <source>Loading%1</source>
        <translation>Wird geladen%1</translation>
    </message>
</context>
<context>
    <name>Split</name>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
</context>
</TS>
