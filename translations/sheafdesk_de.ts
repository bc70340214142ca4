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
    <message>
        <source>Close (%1)</source>
        <translation>Schließen (%1)</translation>
    </message>
    <message>
        <source>The values you had set here were reset to their defaults when another document was loaded.</source>
        <translation>Ihre Werte wurden beim Laden eines anderen Dokuments auf die Standardwerte zurückgesetzt.</translation>
    </message>
    <message>
        <source>Keep each document&apos;s bookmarks</source>
        <translation>Lesezeichen jedes Dokuments behalten</translation>
    </message>
    <message>
        <source>One per document, with its bookmarks beneath</source>
        <translation>Eines je Dokument, seine Lesezeichen darunter</translation>
    </message>
    <message>
        <source>No bookmarks</source>
        <translation>Keine Lesezeichen</translation>
    </message>
    <message>
        <source>Bookmarks:</source>
        <translation>Lesezeichen:</translation>
    </message>
    <message>
        <source>BOOKMARK</source>
        <translation>LESEZEICHEN</translation>
    </message>
    <message>
        <source>Page order:</source>
        <translation>Seitenfolge:</translation>
    </message>
    <message>
        <source>Alternate pages</source>
        <translation>Seiten abwechseln</translation>
    </message>
    <message>
        <source>One page of each document in turn, as for a stack scanned as front sides and back sides.</source>
        <translation>Abwechselnd eine Seite aus jedem Dokument, etwa für einen Stapel, der als Vorder- und Rückseiten gescannt wurde.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Lossless</source>
        <translation>Verlustfrei</translation>
    </message>
    <message>
        <source>Lossless, photos at 300 dpi</source>
        <translation>Verlustfrei, Fotos mit 300 dpi</translation>
    </message>
    <message>
        <source>Lossless, photos at 150 dpi</source>
        <translation>Verlustfrei, Fotos mit 150 dpi</translation>
    </message>
    <message>
        <source>Optimise:</source>
        <translation>Optimieren:</translation>
    </message>
    <message>
        <source>FIRSTLINE</source>
        <translation>ERSTEZEILE</translation>
    </message>
    <message>
        <source>CODE</source>
        <translation>CODE</translation>
    </message>
</context>
<context>
    <name>BookmarkModePage</name>
    <message numerus="yes">
        <source>Level %1: %n file(s)</source>
        <translation>
            <numerusform>Ebene %1: %n Datei</numerusform>
            <numerusform>Ebene %1: %n Dateien</numerusform>
        </translation>
    </message>
    <message>
        <source>Bookmark level:</source>
        <translation>Lesezeichen-Ebene:</translation>
    </message>
    <message>
        <source>Bookmark level</source>
        <translation>Lesezeichen-Ebene</translation>
    </message>
    <message>
        <source>This document has no bookmarks, so it cannot be split by them.</source>
        <translation>Dieses Dokument hat keine Lesezeichen und kann daher nicht nach ihnen geteilt werden.</translation>
    </message>
    <message>
        <source>Every bookmark of the chosen level starts a new file, named after the bookmark and keeping its bookmarks. Pages before the first one make a file of their own.</source>
        <translation>Jedes Lesezeichen der gewählten Ebene beginnt eine neue Datei, die nach ihm benannt wird und ihre Lesezeichen behält. Seiten vor dem ersten bilden eine eigene Datei.</translation>
    </message>
</context>
<context>
    <name>Cover</name>
    <message>
        <source>This page cannot be shown</source>
        <translation>Diese Seite kann nicht angezeigt werden</translation>
    </message>
</context>
<context>
    <name>DocumentViewer</name>
    <message>
        <source>Single pages</source>
        <translation>Einzelseiten</translation>
    </message>
    <message>
        <source>Thumbnails</source>
        <translation>Miniaturen</translation>
    </message>
    <message>
        <source>Go to page:</source>
        <translation>Gehe zu Seite:</translation>
    </message>
    <message>
        <source>Go to page</source>
        <translation>Gehe zu Seite</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Pages — %1</source>
        <translation>Seiten — %1</translation>
    </message>
    <message>
        <source>Find cuts</source>
        <translation>Schnitte finden</translation>
    </message>
</context>
<context>
    <name>DropArea</name>
    <message>
        <source>Add file</source>
        <translation>Datei hinzufügen</translation>
    </message>
    <message>
        <source>or drag &amp; drop</source>
        <translation>oder per Drag &amp; Drop</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Files (*.pdf)</source>
        <translation>Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Add file (%1)</source>
        <translation>Datei hinzufügen (%1)</translation>
    </message>
</context>
<context>
    <name>FindCutsBar</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Stopped; the marks are as they were.</source>
        <translation>Angehalten; die Markierungen sind unverändert.</translation>
    </message>
    <message>
        <source>Every page would be left out, so the marks are as they were.</source>
        <translation>Jede Seite würde weggelassen, daher sind die Markierungen unverändert.</translation>
    </message>
    <message numerus="yes">
        <source>%n part(s) found</source>
        <translation>
            <numerusform>%n Teil gefunden</numerusform>
            <numerusform>%n Teile gefunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n page(s) left out</source>
        <translation>
            <numerusform>%n Seite weggelassen</numerusform>
            <numerusform>%n Seiten weggelassen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n page(s) without text</source>
        <translation>
            <numerusform>%n Seite ohne Text</numerusform>
            <numerusform>%n Seiten ohne Text</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n page(s) could not be read</source>
        <translation>
            <numerusform>%n Seite nicht lesbar</numerusform>
            <numerusform>%n Seiten nicht lesbar</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Type the phrase to find first.</source>
        <translation>Geben Sie zuerst den gesuchten Text ein.</translation>
    </message>
    <message>
        <source>At blank pages</source>
        <translation>An leeren Seiten</translation>
    </message>
    <message>
        <source>At text:</source>
        <translation>An Text:</translation>
    </message>
    <message>
        <source>At codes:</source>
        <translation>An Codes:</translation>
    </message>
    <message>
        <source>Cut at blank pages</source>
        <translation>An leeren Seiten schneiden</translation>
    </message>
    <message>
        <source>Cut at pages with a phrase</source>
        <translation>An Seiten mit einem Text schneiden</translation>
    </message>
    <message>
        <source>Cut at pages with a barcode or QR code</source>
        <translation>An Seiten mit Barcode oder QR-Code schneiden</translation>
    </message>
    <message>
        <source>Phrase</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Phrase to find</source>
        <translation>Gesuchter Text</translation>
    </message>
    <message>
        <source>Any code</source>
        <translation>Jeder Code</translation>
    </message>
    <message>
        <source>Codes beginning with</source>
        <translation>Codes, die beginnen mit</translation>
    </message>
    <message>
        <source>Leave blank pages out</source>
        <translation>Leere Seiten weglassen</translation>
    </message>
    <message>
        <source>Leave the separator page out</source>
        <translation>Trennseite weglassen</translation>
    </message>
    <message>
        <source>Cut before the separator</source>
        <translation>Vor der Trennseite schneiden</translation>
    </message>
    <message>
        <source>Cut after the separator</source>
        <translation>Nach der Trennseite schneiden</translation>
    </message>
    <message>
        <source>Where to cut</source>
        <translation>Wo geschnitten wird</translation>
    </message>
    <message>
        <source>Duplex: leave blank backs out</source>
        <translation>Duplex: leere Rückseiten weglassen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Finden</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close the panel</source>
        <translation>Bereich schließen</translation>
    </message>
</context>
<context>
    <name>InterruptedSplitsQuestion</name>
    <message>
        <source>a document</source>
        <translation>einem Dokument</translation>
    </message>
    <message numerus="yes">
        <source>An earlier split of %1 was interrupted: %n file(s) were written to %2</source>
        <translation>
            <numerusform>Eine frühere Teilung von %1 wurde unterbrochen: %n Datei wurde in %2 geschrieben</numerusform>
            <numerusform>Eine frühere Teilung von %1 wurde unterbrochen: %n Dateien wurden in %2 geschrieben</numerusform>
        </translation>
    </message>
    <message>
        <source>Interrupted split</source>
        <translation>Unterbrochene Teilung</translation>
    </message>
    <message>
        <source>OPEN FOLDER</source>
        <translation>ORDNER ÖFFNEN</translation>
    </message>
    <message>
        <source>REMOVE THEM</source>
        <translation>ENTFERNEN</translation>
    </message>
    <message>
        <source>KEEP</source>
        <translation>BEHALTEN</translation>
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
        <translation>Zusammenführen</translation>
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
        <translation>Zuletzt zusammengeführt:</translation>
    </message>
    <message>
        <source>Open the web site</source>
        <translation>Website öffnen</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Split a document (%1, %2)</source>
        <translation>Ein Dokument teilen (%1, %2)</translation>
    </message>
    <message>
        <source>Merge documents (%1, %2)</source>
        <translation>Dokumente zusammenführen (%1, %2)</translation>
    </message>
    <message>
        <source>Open the online help (%1)</source>
        <translation>Online-Hilfe öffnen (%1)</translation>
    </message>
    <message>
        <source>Language, output folder, author, compression</source>
        <translation>Sprache, Zielordner, Autor, Komprimierung</translation>
    </message>
    <message>
        <source>Close (%1)</source>
        <translation>Schließen (%1)</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Show the last result in the file manager</source>
        <translation>Das letzte Ergebnis im Dateimanager zeigen</translation>
    </message>
    <message>
        <source>The running split will be stopped and the files it has written removed.</source>
        <translation>Die laufende Teilung wird angehalten und die bereits geschriebenen Dateien werden entfernt.</translation>
    </message>
    <message>
        <source>The running merge will be stopped; nothing will be written.</source>
        <translation>Das laufende Zusammenführen wird angehalten; es wird nichts geschrieben.</translation>
    </message>
    <message numerus="yes">
        <source>The merge list of %n document(s) will be lost.</source>
        <translation>
            <numerusform>Die Liste zum Zusammenführen mit %n Dokument geht verloren.</numerusform>
            <numerusform>Die Liste zum Zusammenführen mit %n Dokumenten geht verloren.</numerusform>
        </translation>
    </message>
    <message>
        <source>Close Cleavemark?</source>
        <translation>Cleavemark schließen?</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>SCHLIESSEN</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ABBRECHEN</translation>
    </message>
    <message>
        <source>https://www.tessaly.com/cleavemark/help/</source>
        <extracomment>The online manual in this language; keep the English address where there is none.</extracomment>
        <translation>https://www.tessaly.com/de/cleavemark/help/</translation>
    </message>
</context>
<context>
    <name>MarksBar</name>
    <message>
        <source>Mark a cut, a page to leave out or a turn first.</source>
        <translation>Markieren Sie zuerst einen Schnitt, eine wegzulassende Seite oder eine Drehung.</translation>
    </message>
    <message>
        <source>Every page is left out: there is nothing to split.</source>
        <translation>Alle Seiten sind weggelassen: Es gibt nichts zu teilen.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Clear marks</source>
        <translation>Markierungen löschen</translation>
    </message>
    <message>
        <source>Split at marks</source>
        <translation>An Markierungen teilen</translation>
    </message>
</context>
<context>
    <name>MarksModePage</name>
    <message>
        <source>Part %1: page %2</source>
        <translation>Teil %1: Seite %2</translation>
    </message>
    <message>
        <source>Part %1: pages %2–%3</source>
        <translation>Teil %1: Seiten %2–%3</translation>
    </message>
    <message numerus="yes">
        <source>, %n page(s) left out</source>
        <translation>
            <numerusform>, %n Seite weggelassen</numerusform>
            <numerusform>, %n Seiten weggelassen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n rotated</source>
        <translation>
            <numerusform>, %n gedreht</numerusform>
            <numerusform>, %n gedreht</numerusform>
        </translation>
    </message>
    <message>
        <source>From the template</source>
        <translation>Aus der Vorlage</translation>
    </message>
    <message>
        <source>Marked parts</source>
        <translation>Markierte Teile</translation>
    </message>
    <message>
        <source>Mark pages</source>
        <translation>Seiten markieren</translation>
    </message>
    <message>
        <source>Opens the page window on the thumbnails</source>
        <translation>Öffnet das Seitenfenster mit den Miniaturen</translation>
    </message>
    <message>
        <source>Mark the pages in the page window: cut after a page, leave pages out or turn them, then choose &quot;Split at marks&quot;. Each part becomes a file.</source>
        <translation>Markieren Sie die Seiten im Seitenfenster: nach einer Seite schneiden, Seiten weglassen oder drehen, dann &quot;An Markierungen teilen&quot; wählen. Jeder Teil wird eine Datei.</translation>
    </message>
    <message>
        <source>Name of part %1:</source>
        <translation>Name von Teil %1:</translation>
    </message>
    <message>
        <source>File name:</source>
        <translation>Dateiname:</translation>
    </message>
</context>
<context>
    <name>MergeItemDelegate</name>
    <message>
        <source>ok</source>
        <translation>ok</translation>
    </message>
    <message>
        <source>Enter Password</source>
        <translation>Passwort eingeben</translation>
    </message>
</context>
<context>
    <name>MergeMessages</name>
    <message numerus="yes">
        <source>%n document(s) cannot be merged:</source>
        <translation>
            <numerusform>%n Dokument kann nicht zusammengeführt werden:</numerusform>
            <numerusform>%n Dokumente können nicht zusammengeführt werden:</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove them from the list, or merge the others without them?</source>
        <translation>Aus der Liste entfernen oder die übrigen ohne sie zusammenführen?</translation>
    </message>
    <message>
        <source>%1 (skipped)</source>
        <translation>%1 (übersprungen)</translation>
    </message>
    <message>
        <source>%1 (cannot be read)</source>
        <translation>%1 (nicht lesbar)</translation>
    </message>
    <message>
        <source>%1 (no pages)</source>
        <translation>%1 (keine Seiten)</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n document(s) merged; left out: %2.</source>
        <translation>
            <numerusform>%1 von %n Dokument zusammengeführt; ausgelassen: %2.</numerusform>
            <numerusform>%1 von %n Dokumenten zusammengeführt; ausgelassen: %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was merged; left out: %1.</source>
        <translation>Nichts wurde zusammengeführt; ausgelassen: %1.</translation>
    </message>
    <message>
        <source>%1 could not be written to %2</source>
        <translation>%1 konnte nicht in %2 geschrieben werden</translation>
    </message>
    <message>
        <source>%1 could not be merged</source>
        <translation>%1 konnte nicht zusammengeführt werden</translation>
    </message>
    <message>
        <source>The merge program could not be started.</source>
        <translation>Das Programm zum Zusammenführen konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The merge program ended without telling its result.</source>
        <translation>Das Programm zum Zusammenführen wurde ohne Ergebnis beendet.</translation>
    </message>
    <message>
        <source>The merge program crashed.</source>
        <translation>Das Programm zum Zusammenführen ist abgestürzt.</translation>
    </message>
    <message>
        <source>Merge files failed (code %1).</source>
        <translation>Zusammenführen der Dateien fehlgeschlagen (Code %1).</translation>
    </message>
    <message numerus="yes">
        <source>Remove all %n document(s) from the merge list?</source>
        <translation>
            <numerusform>%n Dokument aus der Liste zum Zusammenführen entfernen?</numerusform>
            <numerusform>Alle %n Dokumente aus der Liste zum Zusammenführen entfernen?</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 page %2</source>
        <translation>%1 Seite %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 und %n weitere</numerusform>
            <numerusform>%1 und %n weitere</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n page(s) carry damaged content from their source: %1.</source>
        <translation>
            <numerusform>%n Seite enthält beschädigte Inhalte aus ihrer Quelle: %1.</numerusform>
            <numerusform>%n Seiten enthalten beschädigte Inhalte aus ihrer Quelle: %1.</numerusform>
        </translation>
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
        <translation>Summe</translation>
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
        <source>Cannot be read</source>
        <translation>Nicht lesbar</translation>
    </message>
    <message>
        <source>No pages</source>
        <translation>Keine Seiten</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1 ist nicht lesbar: %2.</translation>
    </message>
    <message>
        <source>%1 has no pages.</source>
        <translation>%1 hat keine Seiten.</translation>
    </message>
    <message>
        <source>Reversed: %1</source>
        <translation>Umgekehrt: %1</translation>
    </message>
    <message>
        <source>Reading…</source>
        <translation>Wird gelesen…</translation>
    </message>
</context>
<context>
    <name>MergeTableView</name>
    <message>
        <source>Select all</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Documents to merge</source>
        <translation>Zusammenzuführende Dokumente</translation>
    </message>
    <message>
        <source>Delete removes a document, Alt+Up and Alt+Down move it, Return or F2 chooses its pages, Space previews it</source>
        <translation>Entf entfernt ein Dokument, Alt+Nach oben und Alt+Nach unten verschieben es, Eingabe oder F2 wählt seine Seiten, Leertaste zeigt die Vorschau</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Choose pages</source>
        <translation>Seiten wählen</translation>
    </message>
    <message>
        <source>Enter password</source>
        <translation>Passwort eingeben</translation>
    </message>
</context>
<context>
    <name>MergeView</name>
    <message>
        <source>Save to folder:</source>
        <translation>In Ordner speichern:</translation>
    </message>
    <message>
        <source>Filename:</source>
        <translation>Dateiname:</translation>
    </message>
    <message>
        <source>MERGE</source>
        <translation>ZUSAMMENFÜHREN</translation>
    </message>
    <message>
        <source>Advanced Settings</source>
        <translation>Erweiterte Einstellungen</translation>
    </message>
    <message>
        <source>Add files</source>
        <translation>Dateien hinzufügen</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Alle entfernen</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation>Ordner wählen</translation>
    </message>
    <message>
        <source>Select one or more files to open</source>
        <translation>Eine oder mehrere Dateien zum Öffnen wählen</translation>
    </message>
    <message>
        <source>Files (*.pdf)</source>
        <translation>Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Merging files..</source>
        <translation>Dateien werden zusammengeführt...</translation>
    </message>
    <message>
        <source>Select destination folder</source>
        <translation>Zielordner wählen</translation>
    </message>
    <message>
        <source>Merge failed</source>
        <translation>Zusammenführen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Add files (%1)</source>
        <translation>Dateien hinzufügen (%1)</translation>
    </message>
    <message>
        <source>Move up (%1)</source>
        <translation>Nach oben (%1)</translation>
    </message>
    <message>
        <source>Move down (%1)</source>
        <translation>Nach unten (%1)</translation>
    </message>
    <message>
        <source>The merged file gets this name with .pdf</source>
        <translation>Die zusammengeführte Datei erhält diesen Namen mit .pdf</translation>
    </message>
    <message>
        <source>Documents cannot be merged</source>
        <translation>Dokumente nicht zusammenführbar</translation>
    </message>
    <message>
        <source>REMOVE THEM</source>
        <translation>ENTFERNEN</translation>
    </message>
    <message>
        <source>MERGE WITHOUT THEM</source>
        <translation>OHNE SIE ZUSAMMENFÜHREN</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ABBRECHEN</translation>
    </message>
    <message>
        <source>Clear the merge list</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>CLEAR LIST</source>
        <translation>LISTE LEEREN</translation>
    </message>
    <message>
        <source>Merged-%1</source>
        <extracomment>The proposed name of a merged file; %1 is the date and time. No spaces or / : * ? &lt; &gt; |.</extracomment>
        <translation>Zusammengeführt-%1</translation>
    </message>
    <message numerus="yes">
        <source>%n pages total</source>
        <translation>
            <numerusform>%n Seite insgesamt</numerusform>
            <numerusform>%n Seiten insgesamt</numerusform>
        </translation>
    </message>
    <message>
        <source>Pages alternate between documents</source>
        <translation>Die Seiten wechseln zwischen den Dokumenten ab</translation>
    </message>
    <message>
        <source>A merge is running.</source>
        <translation>Ein Zusammenführen läuft.</translation>
    </message>
    <message>
        <source>Enter a name for the merged file.</source>
        <translation>Geben Sie einen Namen für die zusammengeführte Datei ein.</translation>
    </message>
    <message>
        <source>Choose a folder to save to.</source>
        <translation>Wählen Sie einen Ordner zum Speichern.</translation>
    </message>
    <message>
        <source>Add at least two documents to merge.</source>
        <translation>Fügen Sie mindestens zwei Dokumente zum Zusammenführen hinzu.</translation>
    </message>
    <message>
        <source>It was saved as %1 because a file named %2 was already there.</source>
        <translation>Sie wurde als %1 gespeichert, weil bereits eine Datei namens %2 vorhanden war.</translation>
    </message>
    <message>
        <source>Wait until every document in the list is read.</source>
        <translation>Warten Sie, bis jedes Dokument der Liste gelesen ist.</translation>
    </message>
</context>
<context>
    <name>MessageMerge</name>
    <message>
        <source>Merge complete</source>
        <translation>Zusammenführen abgeschlossen</translation>
    </message>
    <message>
        <source>All of your files have been merged. You can open the folder to view the result</source>
        <translation>Alle Ihre Dateien wurden zusammengeführt. Sie können den Ordner öffnen, um das Ergebnis anzusehen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>OPEN FOLDER</source>
        <translation>ORDNER ÖFFNEN</translation>
    </message>
    <message>
        <source>You can open the folder to view the result</source>
        <translation>Sie können den Ordner öffnen, um das Ergebnis anzusehen</translation>
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
    <name>MessagePath</name>
    <message>
        <source>Cannot open the folder</source>
        <translation>Ordner kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>No file manager answered. The files are in this folder:</source>
        <translation>Kein Dateimanager hat geantwortet. Die Dateien liegen in diesem Ordner:</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>KOPIEREN</translation>
    </message>
    <message>
        <source>Copy the folder&apos;s path</source>
        <translation>Pfad des Ordners kopieren</translation>
    </message>
</context>
<context>
    <name>MessageScroll</name>
    <message>
        <source>Message</source>
        <translation>Nachricht</translation>
    </message>
</context>
<context>
    <name>MessageSplit</name>
    <message>
        <source>Split complete</source>
        <translation>Teilung abgeschlossen</translation>
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
        <translation>ZUSAMMENFÜHREN</translation>
    </message>
    <message numerus="yes">
        <source>Your document was split in %n files. You can open folder to view the results of proceed of merging them.</source>
        <translation>
            <numerusform>Ihr Dokument wurde in %n Datei geteilt. Sie können den Ordner öffnen, um sie anzusehen.</numerusform>
            <numerusform>Ihr Dokument wurde in %n Dateien geteilt. Sie können den Ordner öffnen, um die Ergebnisse anzusehen, oder sie zusammenführen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of them hold a single page that alone is larger than the size limit.</source>
        <translation>
            <numerusform>%n davon enthält eine einzelne Seite, die allein größer als die Grenze ist.</numerusform>
            <numerusform>%n davon enthalten eine einzelne Seite, die allein größer als die Grenze ist.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of them got a name such as &quot;(1)name.pdf&quot; because a file of the same name was already there.</source>
        <translation>
            <numerusform>%n davon erhielt einen Namen wie „(1)name.pdf“, weil bereits eine Datei gleichen Namens vorhanden war.</numerusform>
            <numerusform>%n davon erhielten einen Namen wie „(1)name.pdf“, weil bereits Dateien gleichen Namens vorhanden waren.</numerusform>
        </translation>
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
    <name>OutcomeText</name>
    <message>
        <source>the file is gone or may not be read</source>
        <translation>die Datei fehlt oder darf nicht gelesen werden</translation>
    </message>
    <message>
        <source>there was not enough memory to read it</source>
        <translation>der Speicher reichte zum Lesen nicht aus</translation>
    </message>
    <message>
        <source>the password is missing or wrong</source>
        <translation>das Passwort fehlt oder ist falsch</translation>
    </message>
    <message>
        <source>it is not a PDF document, or it is damaged</source>
        <translation>es ist kein PDF-Dokument oder es ist beschädigt</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>die Datei konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the folder is missing or cannot be written to</source>
        <translation>der Ordner fehlt oder ist nicht beschreibbar</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>the password is wrong</source>
        <translation>das Passwort ist falsch</translation>
    </message>
    <message>
        <source>the document cannot be read</source>
        <translation>das Dokument ist nicht lesbar</translation>
    </message>
    <message>
        <source>the file name cannot be used</source>
        <translation>der Dateiname ist nicht verwendbar</translation>
    </message>
    <message>
        <source>reading it took too long</source>
        <translation>das Lesen hat zu lange gedauert</translation>
    </message>
    <message>
        <source>its structure is damaged</source>
        <translation>sein Aufbau ist beschädigt</translation>
    </message>
    <message>
        <source>its structure is damaged (%1)</source>
        <translation>sein Aufbau ist beschädigt (%1)</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Page %1</source>
        <translation>Seite %1</translation>
    </message>
    <message>
        <source>This page cannot be shown</source>
        <translation>Diese Seite kann nicht angezeigt werden</translation>
    </message>
</context>
<context>
    <name>PageMarks</name>
    <message>
        <source>Cut here</source>
        <translation>Hier schneiden</translation>
    </message>
    <message>
        <source>Leave out</source>
        <translation>Weglassen</translation>
    </message>
    <message>
        <source>Rotate right</source>
        <translation>Rechts drehen</translation>
    </message>
    <message>
        <source>Rotate left</source>
        <translation>Links drehen</translation>
    </message>
    <message>
        <source>Clear marks</source>
        <translation>Markierungen löschen</translation>
    </message>
    <message>
        <source>Find cuts</source>
        <translation>Schnitte finden</translation>
    </message>
</context>
<context>
    <name>PageRangesView</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Alle entfernen</translation>
    </message>
    <message>
        <source>Apply to all files in queue</source>
        <translation>Auf alle Dateien anwenden</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Choose page ranges. Total pages in document: %1</source>
        <translation>Seitenbereiche wählen. Seiten im Dokument: %1</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ABBRECHEN</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>SCHLIESSEN</translation>
    </message>
    <message>
        <source>Page ranges</source>
        <translation>Seitenbereiche</translation>
    </message>
    <message>
        <source>Chosen page ranges</source>
        <translation>Gewählte Seitenbereiche</translation>
    </message>
    <message>
        <source>Close (%1)</source>
        <translation>Schließen (%1)</translation>
    </message>
    <message>
        <source>Reverse page order</source>
        <translation>Seitenfolge umkehren</translation>
    </message>
    <message>
        <source>For the back sides of a scanned stack: reverse them and choose &quot;Alternate pages&quot; in the merge&apos;s Advanced Settings.</source>
        <translation>Für die Rückseiten eines gescannten Stapels: umkehren und in den erweiterten Einstellungen des Zusammenführens „Seiten abwechseln“ wählen.</translation>
    </message>
</context>
<context>
    <name>PageView</name>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>This document cannot be shown: it needs a password.</source>
        <translation>Dieses Dokument kann nicht angezeigt werden: Es braucht ein Passwort.</translation>
    </message>
    <message>
        <source>This document has no pages to show.</source>
        <translation>Dieses Dokument hat keine Seiten zum Anzeigen.</translation>
    </message>
    <message>
        <source>This document cannot be shown: %1.</source>
        <translation>Dieses Dokument kann nicht angezeigt werden: %1.</translation>
    </message>
</context>
<context>
    <name>PasswordPrompt</name>
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
    <name>PreviewWidget</name>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>enter password</source>
        <translation>Passwort eingeben</translation>
    </message>
    <message>
        <source>Password protected:</source>
        <translation>Passwortgeschützt:</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>File name:</source>
        <translation>Dateiname:</translation>
    </message>
    <message>
        <source>Pages: %1</source>
        <translation>Seiten: %1</translation>
    </message>
    <message>
        <source>Page 1 of %1</source>
        <translation>Seite 1 von %1</translation>
    </message>
    <message>
        <source>Locked document</source>
        <translation>Gesperrtes Dokument</translation>
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
    <name>RangeItemView</name>
    <message>
        <source>Remove pages %1</source>
        <translation>Seiten %1 entfernen</translation>
    </message>
</context>
<context>
    <name>SaveFolderBox</name>
    <message>
        <source>Select destination folder</source>
        <translation>Zielordner wählen</translation>
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
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Close (%1)</source>
        <translation>Schließen (%1)</translation>
    </message>
</context>
<context>
    <name>SizeModePage</name>
    <message>
        <source>The document: %1</source>
        <translation>Das Dokument: %1</translation>
    </message>
    <message>
        <source>Largest file:</source>
        <translation>Größte Datei:</translation>
    </message>
    <message>
        <source>Largest file size in MB</source>
        <translation>Größte Dateigröße in MB</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Pages go into files in their order, each file holding as many pages as fit within this size, for example to stay under an e-mail limit. A page that alone is larger becomes a file of its own.</source>
        <translation>Die Seiten kommen der Reihe nach in Dateien, jede mit so vielen Seiten, wie in diese Größe passen, etwa um unter der Grenze für E-Mails zu bleiben. Eine Seite, die allein größer ist, wird eine eigene Datei.</translation>
    </message>
</context>
<context>
    <name>SizeSummary</name>
    <message numerus="yes">
        <source>%n files, %1</source>
        <translation>
            <numerusform>%n Datei, %1</numerusform>
            <numerusform>%n Dateien, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files, %1 → %2</source>
        <translation>
            <numerusform>%n Datei, %1 → %2</numerusform>
            <numerusform>%n Dateien, %1 → %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Merged: %1</source>
        <translation>Zusammengeführt: %1</translation>
    </message>
    <message>
        <source>Merged: %1 → %2</source>
        <translation>Zusammengeführt: %1 → %2</translation>
    </message>
    <message>
        <source>Images: %1 redrawn smaller, %2 left as they were.</source>
        <translation>Bilder: %1 kleiner neu gezeichnet, %2 unverändert gelassen.</translation>
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
<context>
    <name>SplitMessages</name>
    <message>
        <source>The document to split was not found.</source>
        <translation>Das zu teilende Dokument wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The document could not be opened: the password is wrong.</source>
        <translation>Das Dokument konnte nicht geöffnet werden: Das Passwort ist falsch.</translation>
    </message>
    <message>
        <source>%1 could not be opened</source>
        <translation>%1 konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>The pages could not be written to the output folder.</source>
        <translation>Die Seiten konnten nicht in den Zielordner geschrieben werden.</translation>
    </message>
    <message>
        <source>The pages of %1 could not be read</source>
        <translation>Die Seiten von %1 konnten nicht gelesen werden</translation>
    </message>
    <message>
        <source>The pages could not be written to %1</source>
        <translation>Die Seiten konnten nicht in %1 geschrieben werden</translation>
    </message>
    <message>
        <source>The split program could not be started.</source>
        <translation>Das Teilungsprogramm konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The split program ended without telling its result.</source>
        <translation>Das Teilungsprogramm wurde ohne Ergebnis beendet.</translation>
    </message>
    <message>
        <source>The split program crashed.</source>
        <translation>Das Teilungsprogramm ist abgestürzt.</translation>
    </message>
    <message>
        <source>Split canceled</source>
        <translation>Teilung abgebrochen</translation>
    </message>
    <message>
        <source>The split program stopped unexpectedly (code %1).</source>
        <translation>Das Teilungsprogramm wurde unerwartet beendet (Code %1).</translation>
    </message>
    <message>
        <source>The split was stopped before any file was written.</source>
        <translation>Die Teilung wurde angehalten, bevor eine Datei geschrieben war.</translation>
    </message>
    <message numerus="yes">
        <source>The split was stopped. The %n file(s) it had written were removed.</source>
        <translation>
            <numerusform>Die Teilung wurde angehalten. Die %n bereits geschriebene Datei wurde entfernt.</numerusform>
            <numerusform>Die Teilung wurde angehalten. Die %n bereits geschriebenen Dateien wurden entfernt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be written</source>
        <translation>
            <numerusform>%n Datei konnte nicht geschrieben werden</numerusform>
            <numerusform>%n Dateien konnten nicht geschrieben werden</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 existiert nicht.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation>%1 kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>%1 has no pages: there is nothing to split.</source>
        <translation>%1 hat keine Seiten: Es gibt nichts zu teilen.</translation>
    </message>
    <message>
        <source>%1 has only one page: there is nothing to split.</source>
        <translation>%1 hat nur eine Seite: Es gibt nichts zu teilen.</translation>
    </message>
    <message>
        <source>Pages start at 1.</source>
        <translation>Seiten beginnen bei 1.</translation>
    </message>
    <message numerus="yes">
        <source>The document has only %n page(s).</source>
        <translation>
            <numerusform>Das Dokument hat nur %n Seite.</numerusform>
            <numerusform>Das Dokument hat nur %n Seiten.</numerusform>
        </translation>
    </message>
    <message>
        <source>Page %1 is already in the list.</source>
        <translation>Seite %1 ist schon in der Liste.</translation>
    </message>
    <message>
        <source>At least one page must stay.</source>
        <translation>Mindestens eine Seite muss bleiben.</translation>
    </message>
    <message>
        <source>The range ends before it starts.</source>
        <translation>Der Bereich endet vor seinem Anfang.</translation>
    </message>
    <message>
        <source>This range is already in the list.</source>
        <translation>Dieser Bereich ist schon in der Liste.</translation>
    </message>
    <message>
        <source>The document has no bookmarks at the chosen level.</source>
        <translation>Das Dokument hat keine Lesezeichen auf der gewählten Ebene.</translation>
    </message>
    <message>
        <source>Enter the largest file size the pieces may have.</source>
        <translation>Geben Sie die größte Dateigröße der Teile ein.</translation>
    </message>
    <message>
        <source>A group holds at least one page.</source>
        <translation>Eine Gruppe umfasst mindestens eine Seite.</translation>
    </message>
    <message>
        <source>A part has no pages. Give every part at least one page.</source>
        <translation>Ein Teil hat keine Seiten. Geben Sie jedem Teil mindestens eine Seite.</translation>
    </message>
    <message>
        <source>A part or a rotation names a page that the document does not have.</source>
        <translation>Ein Teil oder eine Drehung nennt eine Seite, die das Dokument nicht hat.</translation>
    </message>
    <message>
        <source>A part or a rotation names a page that %1 does not have.</source>
        <translation>Ein Teil oder eine Drehung nennt eine Seite, die %1 nicht hat.</translation>
    </message>
    <message>
        <source>Pages can only be turned by 90, 180 or 270 degrees.</source>
        <translation>Seiten lassen sich nur um 90, 180 oder 270 Grad drehen.</translation>
    </message>
    <message>
        <source>A page was given two rotations. Give each page one.</source>
        <translation>Eine Seite hat zwei Drehungen erhalten. Geben Sie jeder Seite nur eine.</translation>
    </message>
    <message>
        <source>Type pages as 3-5,7 or 8- or -4.</source>
        <translation>Geben Sie Seiten so ein: 3-5,7 oder 8- oder -4.</translation>
    </message>
</context>
<context>
    <name>SplitView</name>
    <message>
        <source>Into files of 1 page</source>
        <translation>In Dateien mit je 1 Seite</translation>
    </message>
    <message>
        <source>By groups of pages</source>
        <translation>In Seitengruppen</translation>
    </message>
    <message>
        <source>Get rid of certain pages</source>
        <translation>Bestimmte Seiten entfernen</translation>
    </message>
    <message>
        <source>By page ranges</source>
        <translation>Nach Seitenbereichen</translation>
    </message>
    <message>
        <source>Group of pages:</source>
        <translation>Seiten pro Gruppe:</translation>
    </message>
    <message>
        <source>Starting from:</source>
        <translation>Beginnend bei:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Von:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Bis:</translation>
    </message>
    <message>
        <source>Page to remove</source>
        <translation>Zu entfernende Seite</translation>
    </message>
    <message>
        <source>Add page</source>
        <translation>Seite hinzufügen</translation>
    </message>
    <message>
        <source>Add range</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Alle entfernen</translation>
    </message>
    <message>
        <source>SPLIT</source>
        <translation>TEILEN</translation>
    </message>
    <message>
        <source>Advanced Settings</source>
        <translation>Erweiterte Einstellungen</translation>
    </message>
    <message>
        <source>Save to:</source>
        <translation>Speichern in:</translation>
    </message>
    <message>
        <source>Every page will be splited to isolated file...</source>
        <translation>Jede Seite wird in eine eigene Datei geteilt...</translation>
    </message>
    <message>
        <source>Choose how much pages will be in every group and you should choose pages, where splitting will be started...</source>
        <translation>Wählen Sie, wie viele Seiten jede Gruppe enthält und ab welcher Seite geteilt wird...</translation>
    </message>
    <message>
        <source>You can choose and add pages which you want to delete...</source>
        <translation>Wählen Sie die Seiten, die Sie entfernen möchten, und fügen Sie sie hinzu...</translation>
    </message>
    <message>
        <source>You should choose and add a interval from document, which you will want to split...</source>
        <translation>Wählen Sie die Seitenbereiche des Dokuments, die Sie abteilen möchten, und fügen Sie sie hinzu...</translation>
    </message>
    <message>
        <source>Split canceled</source>
        <translation>Teilung abgebrochen</translation>
    </message>
    <message>
        <source>Split failed</source>
        <translation>Teilung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Error: this file has read permission only!</source>
        <translation>Fehler: Diese Datei darf nur gelesen werden!</translation>
    </message>
    <message>
        <source>Pages to remove</source>
        <translation>Zu entfernende Seiten</translation>
    </message>
    <message>
        <source>Page ranges</source>
        <translation>Seitenbereiche</translation>
    </message>
    <message>
        <source>Cannot split this document</source>
        <translation>Dokument nicht teilbar</translation>
    </message>
    <message>
        <source>The output properties you had set were reset for this document.</source>
        <translation>Ihre Ausgabe-Eigenschaften wurden für dieses Dokument zurückgesetzt.</translation>
    </message>
    <message>
        <source>By bookmarks</source>
        <translation>Nach Lesezeichen</translation>
    </message>
    <message>
        <source>By file size</source>
        <translation>Nach Dateigröße</translation>
    </message>
    <message>
        <source>Add a document to split first.</source>
        <translation>Fügen Sie zuerst ein Dokument zum Teilen hinzu.</translation>
    </message>
    <message>
        <source>The document is not read yet, or cannot be read.</source>
        <translation>Das Dokument ist noch nicht gelesen oder nicht lesbar.</translation>
    </message>
    <message>
        <source>A document of one page has nothing to split.</source>
        <translation>Ein Dokument mit einer Seite lässt sich nicht teilen.</translation>
    </message>
    <message>
        <source>Add the pages to remove first.</source>
        <translation>Fügen Sie zuerst die zu entfernenden Seiten hinzu.</translation>
    </message>
    <message>
        <source>Add a page range first.</source>
        <translation>Fügen Sie zuerst einen Seitenbereich hinzu.</translation>
    </message>
    <message>
        <source>Choose a bookmark level that leads to pages.</source>
        <translation>Wählen Sie eine Lesezeichenebene, die zu Seiten führt.</translation>
    </message>
    <message>
        <source>Enter a file size above 0.</source>
        <translation>Geben Sie eine Dateigröße über 0 ein.</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>e.g. 3-5,7</source>
        <translation>z. B. 3-5,7</translation>
    </message>
    <message>
        <source>By marks</source>
        <translation>Nach Markierungen</translation>
    </message>
    <message>
        <source>Mark the pages to split at in the page window first.</source>
        <translation>Markieren Sie zuerst im Seitenfenster, wo geteilt wird.</translation>
    </message>
</context>
<context>
    <name>ThumbnailModel</name>
    <message>
        <source>This page cannot be shown</source>
        <translation>Diese Seite kann nicht angezeigt werden</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>page name, page label</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>cut after</source>
        <translation>Schnitt danach</translation>
    </message>
    <message>
        <source>rotated %1°</source>
        <translation>um %1° gedreht</translation>
    </message>
    <message>
        <source>left out</source>
        <translation>weggelassen</translation>
    </message>
    <message>
        <source>cannot be shown</source>
        <translation>kann nicht angezeigt werden</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between marks</comment>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>WindowBar</name>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>ZoomBar</name>
    <message>
        <source>Fit width</source>
        <translation>Breite anpassen</translation>
    </message>
    <message>
        <source>Fit page</source>
        <translation>Ganze Seite</translation>
    </message>
    <message>
        <source>%1 %</source>
        <comment>zoom</comment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Zoom (%1: fit width)</source>
        <translation>Zoom (%1: Breite anpassen)</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Vergrößern</translation>
    </message>
</context>
</TS>
