<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
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
        <translation>Advanced Settings</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Permissions:</source>
        <translation>Permissions:</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Printing</translation>
    </message>
    <message>
        <source>Editing</source>
        <translation>Editing</translation>
    </message>
    <message>
        <source>Copying</source>
        <translation>Copying</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Title:</translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>Author:</translation>
    </message>
    <message>
        <source>Filename Prefix:</source>
        <translation>Name template:</translation>
    </message>
    <message>
        <source>SAVE SETTINGS</source>
        <translation>SAVE SETTINGS</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCEL</translation>
    </message>
    <message>
        <source>Close (%1)</source>
        <translation>Close (%1)</translation>
    </message>
    <message>
        <source>The values you had set here were reset to their defaults when another document was loaded.</source>
        <translation>The values you had set here were reset to their defaults when another document was loaded.</translation>
    </message>
    <message>
        <source>Keep each document&apos;s bookmarks</source>
        <translation>Keep each document&apos;s bookmarks</translation>
    </message>
    <message>
        <source>One per document, with its bookmarks beneath</source>
        <translation>One per document, with its bookmarks beneath</translation>
    </message>
    <message>
        <source>No bookmarks</source>
        <translation>No bookmarks</translation>
    </message>
    <message>
        <source>Bookmarks:</source>
        <translation>Bookmarks:</translation>
    </message>
    <message>
        <source>BOOKMARK</source>
        <translation>BOOKMARK</translation>
    </message>
    <message>
        <source>Page order:</source>
        <translation>Page order:</translation>
    </message>
    <message>
        <source>Alternate pages</source>
        <translation>Alternate pages</translation>
    </message>
    <message>
        <source>One page of each document in turn, as for a stack scanned as front sides and back sides.</source>
        <translation>One page of each document in turn, as for a stack scanned as front sides and back sides.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Lossless</source>
        <translation>Lossless</translation>
    </message>
    <message>
        <source>Lossless, photos at 300 dpi</source>
        <translation>Lossless, photos at 300 dpi</translation>
    </message>
    <message>
        <source>Lossless, photos at 150 dpi</source>
        <translation>Lossless, photos at 150 dpi</translation>
    </message>
    <message>
        <source>Optimise:</source>
        <translation>Optimise:</translation>
    </message>
    <message>
        <source>FIRSTLINE</source>
        <translation>FIRSTLINE</translation>
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
            <numerusform>Level %1: %n file</numerusform>
            <numerusform>Level %1: %n files</numerusform>
        </translation>
    </message>
    <message>
        <source>Bookmark level:</source>
        <translation>Bookmark level:</translation>
    </message>
    <message>
        <source>Bookmark level</source>
        <translation>Bookmark level</translation>
    </message>
    <message>
        <source>This document has no bookmarks, so it cannot be split by them.</source>
        <translation>This document has no bookmarks, so it cannot be split by them.</translation>
    </message>
    <message>
        <source>Every bookmark of the chosen level starts a new file, named after the bookmark and keeping its bookmarks. Pages before the first one make a file of their own.</source>
        <translation>Every bookmark of the chosen level starts a new file, named after the bookmark and keeping its bookmarks. Pages before the first one make a file of their own.</translation>
    </message>
</context>
<context>
    <name>Cover</name>
    <message>
        <source>This page cannot be shown</source>
        <translation>This page cannot be shown</translation>
    </message>
</context>
<context>
    <name>DocumentViewer</name>
    <message>
        <source>Single pages</source>
        <translation>Single pages</translation>
    </message>
    <message>
        <source>Thumbnails</source>
        <translation>Thumbnails</translation>
    </message>
    <message>
        <source>Go to page:</source>
        <translation>Go to page:</translation>
    </message>
    <message>
        <source>Go to page</source>
        <translation>Go to page</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Pages — %1</source>
        <translation>Pages — %1</translation>
    </message>
    <message>
        <source>Find cuts</source>
        <translation>Find cuts</translation>
    </message>
</context>
<context>
    <name>DropArea</name>
    <message>
        <source>Add file</source>
        <translation>Add file</translation>
    </message>
    <message>
        <source>or drag &amp; drop</source>
        <translation>or drag &amp; drop</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Open file</translation>
    </message>
    <message>
        <source>Files (*.pdf)</source>
        <translation>Files (*.pdf)</translation>
    </message>
    <message>
        <source>Add file (%1)</source>
        <translation>Add file (%1)</translation>
    </message>
</context>
<context>
    <name>FindCutsBar</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>Stopped; the marks are as they were.</source>
        <translation>Stopped; the marks are as they were.</translation>
    </message>
    <message>
        <source>Every page would be left out, so the marks are as they were.</source>
        <translation>Every page would be left out, so the marks are as they were.</translation>
    </message>
    <message numerus="yes">
        <source>%n part(s) found</source>
        <translation>
            <numerusform>%n part found</numerusform>
            <numerusform>%n parts found</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n page(s) left out</source>
        <translation>
            <numerusform>%n page left out</numerusform>
            <numerusform>%n pages left out</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n page(s) without text</source>
        <translation>
            <numerusform>%n page without text</numerusform>
            <numerusform>%n pages without text</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n page(s) could not be read</source>
        <translation>
            <numerusform>%n page could not be read</numerusform>
            <numerusform>%n pages could not be read</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Type the phrase to find first.</source>
        <translation>Type the phrase to find first.</translation>
    </message>
    <message>
        <source>At blank pages</source>
        <translation>At blank pages</translation>
    </message>
    <message>
        <source>At text:</source>
        <translation>At text:</translation>
    </message>
    <message>
        <source>At codes:</source>
        <translation>At codes:</translation>
    </message>
    <message>
        <source>Cut at blank pages</source>
        <translation>Cut at blank pages</translation>
    </message>
    <message>
        <source>Cut at pages with a phrase</source>
        <translation>Cut at pages with a phrase</translation>
    </message>
    <message>
        <source>Cut at pages with a barcode or QR code</source>
        <translation>Cut at pages with a barcode or QR code</translation>
    </message>
    <message>
        <source>Phrase</source>
        <translation>Phrase</translation>
    </message>
    <message>
        <source>Phrase to find</source>
        <translation>Phrase to find</translation>
    </message>
    <message>
        <source>Any code</source>
        <translation>Any code</translation>
    </message>
    <message>
        <source>Codes beginning with</source>
        <translation>Codes beginning with</translation>
    </message>
    <message>
        <source>Leave blank pages out</source>
        <translation>Leave blank pages out</translation>
    </message>
    <message>
        <source>Leave the separator page out</source>
        <translation>Leave the separator page out</translation>
    </message>
    <message>
        <source>Cut before the separator</source>
        <translation>Cut before the separator</translation>
    </message>
    <message>
        <source>Cut after the separator</source>
        <translation>Cut after the separator</translation>
    </message>
    <message>
        <source>Where to cut</source>
        <translation>Where to cut</translation>
    </message>
    <message>
        <source>Duplex: leave blank backs out</source>
        <translation>Duplex: leave blank backs out</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Close the panel</source>
        <translation>Close the panel</translation>
    </message>
</context>
<context>
    <name>InterruptedSplitsQuestion</name>
    <message>
        <source>a document</source>
        <translation>a document</translation>
    </message>
    <message numerus="yes">
        <source>An earlier split of %1 was interrupted: %n file(s) were written to %2</source>
        <translation>
            <numerusform>An earlier split of %1 was interrupted: %n file was written to %2</numerusform>
            <numerusform>An earlier split of %1 was interrupted: %n files were written to %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Interrupted split</source>
        <translation>Interrupted split</translation>
    </message>
    <message>
        <source>OPEN FOLDER</source>
        <translation>OPEN FOLDER</translation>
    </message>
    <message>
        <source>REMOVE THEM</source>
        <translation>REMOVE THEM</translation>
    </message>
    <message>
        <source>KEEP</source>
        <translation>KEEP</translation>
    </message>
</context>
<context>
    <name>MainView</name>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Split</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Merge</translation>
    </message>
    <message>
        <source>or</source>
        <translation>or</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Open folder</translation>
    </message>
    <message>
        <source>Last split:</source>
        <translation>Last split:</translation>
    </message>
    <message>
        <source>Last merge:</source>
        <translation>Last merge:</translation>
    </message>
    <message>
        <source>Open the web site</source>
        <translation>Open the web site</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Split a document (%1, %2)</source>
        <translation>Split a document (%1, %2)</translation>
    </message>
    <message>
        <source>Merge documents (%1, %2)</source>
        <translation>Merge documents (%1, %2)</translation>
    </message>
    <message>
        <source>Open the online help (%1)</source>
        <translation>Open the online help (%1)</translation>
    </message>
    <message>
        <source>Language, output folder, author, compression</source>
        <translation>Language, output folder, author, compression</translation>
    </message>
    <message>
        <source>Close (%1)</source>
        <translation>Close (%1)</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>Show the last result in the file manager</source>
        <translation>Show the last result in the file manager</translation>
    </message>
    <message>
        <source>The running split will be stopped and the files it has written removed.</source>
        <translation>The running split will be stopped and the files it has written removed.</translation>
    </message>
    <message>
        <source>The running merge will be stopped; nothing will be written.</source>
        <translation>The running merge will be stopped; nothing will be written.</translation>
    </message>
    <message numerus="yes">
        <source>The merge list of %n document(s) will be lost.</source>
        <translation>
            <numerusform>The merge list of %n document will be lost.</numerusform>
            <numerusform>The merge list of %n documents will be lost.</numerusform>
        </translation>
    </message>
    <message>
        <source>Close Cleavemark?</source>
        <translation>Close Cleavemark?</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>CLOSE</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCEL</translation>
    </message>
    <message>
        <source>https://www.tessaly.com/cleavemark/help/</source>
        <extracomment>The online manual in this language; keep the English address where there is none.</extracomment>
        <translation>https://www.tessaly.com/cleavemark/help/</translation>
    </message>
</context>
<context>
    <name>MarksBar</name>
    <message>
        <source>Mark a cut, a page to leave out or a turn first.</source>
        <translation>Mark a cut, a page to leave out or a turn first.</translation>
    </message>
    <message>
        <source>Every page is left out: there is nothing to split.</source>
        <translation>Every page is left out: there is nothing to split.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Clear marks</source>
        <translation>Clear marks</translation>
    </message>
    <message>
        <source>Split at marks</source>
        <translation>Split at marks</translation>
    </message>
</context>
<context>
    <name>MarksModePage</name>
    <message>
        <source>Part %1: page %2</source>
        <translation>Part %1: page %2</translation>
    </message>
    <message>
        <source>Part %1: pages %2–%3</source>
        <translation>Part %1: pages %2–%3</translation>
    </message>
    <message numerus="yes">
        <source>, %n page(s) left out</source>
        <translation>
            <numerusform>, %n page left out</numerusform>
            <numerusform>, %n pages left out</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n rotated</source>
        <translation>
            <numerusform>, %n rotated</numerusform>
            <numerusform>, %n rotated</numerusform>
        </translation>
    </message>
    <message>
        <source>From the template</source>
        <translation>From the template</translation>
    </message>
    <message>
        <source>Marked parts</source>
        <translation>Marked parts</translation>
    </message>
    <message>
        <source>Mark pages</source>
        <translation>Mark pages</translation>
    </message>
    <message>
        <source>Opens the page window on the thumbnails</source>
        <translation>Opens the page window on the thumbnails</translation>
    </message>
    <message>
        <source>Mark the pages in the page window: cut after a page, leave pages out or turn them, then choose &quot;Split at marks&quot;. Each part becomes a file.</source>
        <translation>Mark the pages in the page window: cut after a page, leave pages out or turn them, then choose &quot;Split at marks&quot;. Each part becomes a file.</translation>
    </message>
    <message>
        <source>Name of part %1:</source>
        <translation>Name of part %1:</translation>
    </message>
    <message>
        <source>File name:</source>
        <translation>File name:</translation>
    </message>
</context>
<context>
    <name>MergeItemDelegate</name>
    <message>
        <source>ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Enter Password</source>
        <translation>Enter Password</translation>
    </message>
</context>
<context>
    <name>MergeMessages</name>
    <message numerus="yes">
        <source>%n document(s) cannot be merged:</source>
        <translation>
            <numerusform>%n document cannot be merged:</numerusform>
            <numerusform>%n documents cannot be merged:</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove them from the list, or merge the others without them?</source>
        <translation>Remove them from the list, or merge the others without them?</translation>
    </message>
    <message>
        <source>%1 (skipped)</source>
        <translation>%1 (skipped)</translation>
    </message>
    <message>
        <source>%1 (cannot be read)</source>
        <translation>%1 (cannot be read)</translation>
    </message>
    <message>
        <source>%1 (no pages)</source>
        <translation>%1 (no pages)</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n document(s) merged; left out: %2.</source>
        <translation>
            <numerusform>%1 of %n document merged; left out: %2.</numerusform>
            <numerusform>%1 of %n documents merged; left out: %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was merged; left out: %1.</source>
        <translation>Nothing was merged; left out: %1.</translation>
    </message>
    <message>
        <source>%1 could not be written to %2</source>
        <translation>%1 could not be written to %2</translation>
    </message>
    <message>
        <source>%1 could not be merged</source>
        <translation>%1 could not be merged</translation>
    </message>
    <message>
        <source>The merge program could not be started.</source>
        <translation>The merge program could not be started.</translation>
    </message>
    <message>
        <source>The merge program ended without telling its result.</source>
        <translation>The merge program ended without telling its result.</translation>
    </message>
    <message>
        <source>The merge program crashed.</source>
        <translation>The merge program crashed.</translation>
    </message>
    <message>
        <source>Merge files failed (code %1).</source>
        <translation>Merge files failed (code %1).</translation>
    </message>
    <message numerus="yes">
        <source>Remove all %n document(s) from the merge list?</source>
        <translation>
            <numerusform>Remove the %n document from the merge list?</numerusform>
            <numerusform>Remove all %n documents from the merge list?</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 page %2</source>
        <translation>%1 page %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 and %n more</numerusform>
            <numerusform>%1 and %n more</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n page(s) carry damaged content from their source: %1.</source>
        <translation>
            <numerusform>%n page carries damaged content from its source: %1.</numerusform>
            <numerusform>%n pages carry damaged content from their source: %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MergeModel</name>
    <message>
        <source>All (%1)</source>
        <translation>All (%1)</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>File name</translation>
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
        <translation>Password</translation>
    </message>
    <message>
        <source>Cannot be read</source>
        <translation>Cannot be read</translation>
    </message>
    <message>
        <source>No pages</source>
        <translation>No pages</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1 cannot be read: %2.</translation>
    </message>
    <message>
        <source>%1 has no pages.</source>
        <translation>%1 has no pages.</translation>
    </message>
    <message>
        <source>Reversed: %1</source>
        <translation>Reversed: %1</translation>
    </message>
    <message>
        <source>Reading…</source>
        <translation>Reading…</translation>
    </message>
</context>
<context>
    <name>MergeTableView</name>
    <message>
        <source>Select all</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>Documents to merge</source>
        <translation>Documents to merge</translation>
    </message>
    <message>
        <source>Delete removes a document, Alt+Up and Alt+Down move it, Return or F2 chooses its pages, Space previews it</source>
        <translation>Delete removes a document, Alt+Up and Alt+Down move it, Return or F2 chooses its pages, Space previews it</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Choose pages</source>
        <translation>Choose pages</translation>
    </message>
    <message>
        <source>Enter password</source>
        <translation>Enter password</translation>
    </message>
</context>
<context>
    <name>MergeView</name>
    <message>
        <source>Save to folder:</source>
        <translation>Save to folder:</translation>
    </message>
    <message>
        <source>Filename:</source>
        <translation>File name:</translation>
    </message>
    <message>
        <source>MERGE</source>
        <translation>MERGE</translation>
    </message>
    <message>
        <source>Advanced Settings</source>
        <translation>Advanced Settings</translation>
    </message>
    <message>
        <source>Add files</source>
        <translation>Add files</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Move up</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Move down</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Clear all</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation>Choose folder</translation>
    </message>
    <message>
        <source>Select one or more files to open</source>
        <translation>Select one or more files to open</translation>
    </message>
    <message>
        <source>Files (*.pdf)</source>
        <translation>Files (*.pdf)</translation>
    </message>
    <message>
        <source>Merging files..</source>
        <translation>Merging files…</translation>
    </message>
    <message>
        <source>Select destination folder</source>
        <translation>Select destination folder</translation>
    </message>
    <message>
        <source>Merge failed</source>
        <translation>Merge failed</translation>
    </message>
    <message>
        <source>Add files (%1)</source>
        <translation>Add files (%1)</translation>
    </message>
    <message>
        <source>Move up (%1)</source>
        <translation>Move up (%1)</translation>
    </message>
    <message>
        <source>Move down (%1)</source>
        <translation>Move down (%1)</translation>
    </message>
    <message>
        <source>The merged file gets this name with .pdf</source>
        <translation>The merged file gets this name with .pdf</translation>
    </message>
    <message>
        <source>Documents cannot be merged</source>
        <translation>Documents cannot be merged</translation>
    </message>
    <message>
        <source>REMOVE THEM</source>
        <translation>REMOVE THEM</translation>
    </message>
    <message>
        <source>MERGE WITHOUT THEM</source>
        <translation>MERGE WITHOUT THEM</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCEL</translation>
    </message>
    <message>
        <source>Clear the merge list</source>
        <translation>Clear the merge list</translation>
    </message>
    <message>
        <source>CLEAR LIST</source>
        <translation>CLEAR LIST</translation>
    </message>
    <message>
        <source>Merged-%1</source>
        <extracomment>The proposed name of a merged file; %1 is the date and time. No spaces or / : * ? &lt; &gt; |.</extracomment>
        <translation>Merged-%1</translation>
    </message>
    <message numerus="yes">
        <source>%n pages total</source>
        <translation>
            <numerusform>%n page in total</numerusform>
            <numerusform>%n pages in total</numerusform>
        </translation>
    </message>
    <message>
        <source>Pages alternate between documents</source>
        <translation>Pages alternate between documents</translation>
    </message>
    <message>
        <source>A merge is running.</source>
        <translation>A merge is running.</translation>
    </message>
    <message>
        <source>Enter a name for the merged file.</source>
        <translation>Enter a name for the merged file.</translation>
    </message>
    <message>
        <source>Choose a folder to save to.</source>
        <translation>Choose a folder to save to.</translation>
    </message>
    <message>
        <source>Add at least two documents to merge.</source>
        <translation>Add at least two documents to merge.</translation>
    </message>
    <message>
        <source>It was saved as %1 because a file named %2 was already there.</source>
        <translation>It was saved as %1 because a file named %2 was already there.</translation>
    </message>
    <message>
        <source>Wait until every document in the list is read.</source>
        <translation>Wait until every document in the list is read.</translation>
    </message>
</context>
<context>
    <name>MessageMerge</name>
    <message>
        <source>Merge complete</source>
        <translation>Merge complete</translation>
    </message>
    <message>
        <source>All of your files have been merged. You can open the folder to view the result</source>
        <translation>All your files have been merged. You can open the folder to view the result.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>OPEN FOLDER</source>
        <translation>OPEN FOLDER</translation>
    </message>
    <message>
        <source>You can open the folder to view the result</source>
        <translation>You can open the folder to view the result</translation>
    </message>
</context>
<context>
    <name>MessagePassword</name>
    <message>
        <source>Enter password</source>
        <translation>Enter password</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>SKIP</source>
        <translation>SKIP</translation>
    </message>
    <message>
        <source>SKIP ALL</source>
        <translation>SKIP ALL</translation>
    </message>
</context>
<context>
    <name>MessagePath</name>
    <message>
        <source>Cannot open the folder</source>
        <translation>Cannot open the folder</translation>
    </message>
    <message>
        <source>No file manager answered. The files are in this folder:</source>
        <translation>No file manager answered. The files are in this folder:</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>COPY</translation>
    </message>
    <message>
        <source>Copy the folder&apos;s path</source>
        <translation>Copy the folder&apos;s path</translation>
    </message>
</context>
<context>
    <name>MessageScroll</name>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
</context>
<context>
    <name>MessageSplit</name>
    <message>
        <source>Split complete</source>
        <translation>Split complete</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>OPEN</source>
        <translation>OPEN</translation>
    </message>
    <message>
        <source>MERGE RESULTS</source>
        <translation>MERGE RESULTS</translation>
    </message>
    <message numerus="yes">
        <source>Your document was split in %n files. You can open folder to view the results of proceed of merging them.</source>
        <translation>
            <numerusform>Your document was split into %n file. You can open the folder to view it.</numerusform>
            <numerusform>Your document was split into %n files. You can open the folder to view them or merge them again.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of them hold a single page that alone is larger than the size limit.</source>
        <translation>
            <numerusform>%n of them holds a single page that alone is larger than the size limit.</numerusform>
            <numerusform>%n of them hold a single page that alone is larger than the size limit.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of them got a name such as &quot;(1)name.pdf&quot; because a file of the same name was already there.</source>
        <translation>
            <numerusform>%n of them got a name such as &quot;(1)name.pdf&quot; because a file of the same name was already there.</numerusform>
            <numerusform>%n of them got a name such as &quot;(1)name.pdf&quot; because a file of the same name was already there.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MessageUpdate</name>
    <message>
        <source>Update available!</source>
        <translation>Update available!</translation>
    </message>
    <message>
        <source>New version of the program is available: &lt;b&gt;%1&lt;/b&gt;.</source>
        <translation>A new version of the program is available: &lt;b&gt;%1&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>Read about</source>
        <translation>Read about</translation>
    </message>
    <message>
        <source>new features</source>
        <translation>new features</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCEL</translation>
    </message>
    <message>
        <source>DOWNLOAD</source>
        <translation>DOWNLOAD</translation>
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
        <translation>the file is gone or may not be read</translation>
    </message>
    <message>
        <source>there was not enough memory to read it</source>
        <translation>there was not enough memory to read it</translation>
    </message>
    <message>
        <source>the password is missing or wrong</source>
        <translation>the password is missing or wrong</translation>
    </message>
    <message>
        <source>it is not a PDF document, or it is damaged</source>
        <translation>it is not a PDF document, or it is damaged</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>the file could not be written</translation>
    </message>
    <message>
        <source>the folder is missing or cannot be written to</source>
        <translation>the folder is missing or cannot be written to</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>the password is wrong</source>
        <translation>the password is wrong</translation>
    </message>
    <message>
        <source>the document cannot be read</source>
        <translation>the document cannot be read</translation>
    </message>
    <message>
        <source>the file name cannot be used</source>
        <translation>the file name cannot be used</translation>
    </message>
    <message>
        <source>reading it took too long</source>
        <translation>reading it took too long</translation>
    </message>
    <message>
        <source>its structure is damaged</source>
        <translation>its structure is damaged</translation>
    </message>
    <message>
        <source>its structure is damaged (%1)</source>
        <translation>its structure is damaged (%1)</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Page %1</source>
        <translation>Page %1</translation>
    </message>
    <message>
        <source>This page cannot be shown</source>
        <translation>This page cannot be shown</translation>
    </message>
</context>
<context>
    <name>PageMarks</name>
    <message>
        <source>Cut here</source>
        <translation>Cut here</translation>
    </message>
    <message>
        <source>Leave out</source>
        <translation>Leave out</translation>
    </message>
    <message>
        <source>Rotate right</source>
        <translation>Rotate right</translation>
    </message>
    <message>
        <source>Rotate left</source>
        <translation>Rotate left</translation>
    </message>
    <message>
        <source>Clear marks</source>
        <translation>Clear marks</translation>
    </message>
    <message>
        <source>Find cuts</source>
        <translation>Find cuts</translation>
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
        <translation>From</translation>
    </message>
    <message>
        <source>To</source>
        <translation>To</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Clear all</translation>
    </message>
    <message>
        <source>Apply to all files in queue</source>
        <translation>Apply to all files in queue</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Choose page ranges. Total pages in document: %1</source>
        <translation>Choose page ranges. Pages in the document: %1</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCEL</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>CLOSE</translation>
    </message>
    <message>
        <source>Page ranges</source>
        <translation>Page ranges</translation>
    </message>
    <message>
        <source>Chosen page ranges</source>
        <translation>Chosen page ranges</translation>
    </message>
    <message>
        <source>Close (%1)</source>
        <translation>Close (%1)</translation>
    </message>
    <message>
        <source>Reverse page order</source>
        <translation>Reverse page order</translation>
    </message>
    <message>
        <source>For the back sides of a scanned stack: reverse them and choose &quot;Alternate pages&quot; in the merge&apos;s Advanced Settings.</source>
        <translation>For the back sides of a scanned stack: reverse them and choose &quot;Alternate pages&quot; in the merge&apos;s Advanced Settings.</translation>
    </message>
</context>
<context>
    <name>PageView</name>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>This document cannot be shown: it needs a password.</source>
        <translation>This document cannot be shown: it needs a password.</translation>
    </message>
    <message>
        <source>This document has no pages to show.</source>
        <translation>This document has no pages to show.</translation>
    </message>
    <message>
        <source>This document cannot be shown: %1.</source>
        <translation>This document cannot be shown: %1.</translation>
    </message>
</context>
<context>
    <name>PasswordPrompt</name>
    <message>
        <source>Can not open file</source>
        <translation>Cannot open file</translation>
    </message>
    <message>
        <source>The password for %1 is incorrect</source>
        <translation>The password for %1 is incorrect</translation>
    </message>
</context>
<context>
    <name>PreviewWidget</name>
    <message>
        <source>Preview</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>enter password</source>
        <translation>enter password</translation>
    </message>
    <message>
        <source>Password protected:</source>
        <translation>Password protected:</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>File name:</source>
        <translation>File name:</translation>
    </message>
    <message>
        <source>Pages: %1</source>
        <translation>Pages: %1</translation>
    </message>
    <message>
        <source>Page 1 of %1</source>
        <translation>Page 1 of %1</translation>
    </message>
    <message>
        <source>Locked document</source>
        <translation>Locked document</translation>
    </message>
</context>
<context>
    <name>ProgressControl</name>
    <message>
        <source>Resume</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progress</translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>Add files</source>
        <translation>Add files</translation>
    </message>
</context>
<context>
    <name>RangeItemView</name>
    <message>
        <source>Remove pages %1</source>
        <translation>Remove pages %1</translation>
    </message>
</context>
<context>
    <name>SaveFolderBox</name>
    <message>
        <source>Select destination folder</source>
        <translation>Select destination folder</translation>
    </message>
</context>
<context>
    <name>SaveFolderModel</name>
    <message>
        <source>Sub folder</source>
        <translation>Subfolder</translation>
    </message>
    <message>
        <source>Original folder</source>
        <translation>Original folder</translation>
    </message>
    <message>
        <source>Select folder...</source>
        <translation>Select folder...</translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>SAVE SETTINGS</source>
        <translation>SAVE SETTINGS</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCEL</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation>Save to</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Author</translation>
    </message>
    <message>
        <source>Compress files</source>
        <translation>Compress files</translation>
    </message>
    <message>
        <source>Check program updates</source>
        <translation>Check for program updates</translation>
    </message>
    <message>
        <source>version %1</source>
        <translation>version %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Close (%1)</source>
        <translation>Close (%1)</translation>
    </message>
</context>
<context>
    <name>SizeModePage</name>
    <message>
        <source>The document: %1</source>
        <translation>The document: %1</translation>
    </message>
    <message>
        <source>Largest file:</source>
        <translation>Largest file:</translation>
    </message>
    <message>
        <source>Largest file size in MB</source>
        <translation>Largest file size in MB</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Pages go into files in their order, each file holding as many pages as fit within this size, for example to stay under an e-mail limit. A page that alone is larger becomes a file of its own.</source>
        <translation>Pages go into files in their order, each file holding as many pages as fit within this size, for example to stay under an e-mail limit. A page that alone is larger becomes a file of its own.</translation>
    </message>
</context>
<context>
    <name>SizeSummary</name>
    <message numerus="yes">
        <source>%n files, %1</source>
        <translation>
            <numerusform>%n file, %1</numerusform>
            <numerusform>%n files, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files, %1 → %2</source>
        <translation>
            <numerusform>%n file, %1 → %2</numerusform>
            <numerusform>%n files, %1 → %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Merged: %1</source>
        <translation>Merged: %1</translation>
    </message>
    <message>
        <source>Merged: %1 → %2</source>
        <translation>Merged: %1 → %2</translation>
    </message>
    <message>
        <source>Images: %1 redrawn smaller, %2 left as they were.</source>
        <translation>Images: %1 redrawn smaller, %2 left as they were.</translation>
    </message>
</context>
<context>
    <name>SplashScreen</name>
    <message>
        <source>Loading%1</source>
        <translation>Loading%1</translation>
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
        <translation>The document to split was not found.</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 was not found.</translation>
    </message>
    <message>
        <source>The document could not be opened: the password is wrong.</source>
        <translation>The document could not be opened: the password is wrong.</translation>
    </message>
    <message>
        <source>%1 could not be opened</source>
        <translation>%1 could not be opened</translation>
    </message>
    <message>
        <source>The pages could not be written to the output folder.</source>
        <translation>The pages could not be written to the output folder.</translation>
    </message>
    <message>
        <source>The pages of %1 could not be read</source>
        <translation>The pages of %1 could not be read</translation>
    </message>
    <message>
        <source>The pages could not be written to %1</source>
        <translation>The pages could not be written to %1</translation>
    </message>
    <message>
        <source>The split program could not be started.</source>
        <translation>The split program could not be started.</translation>
    </message>
    <message>
        <source>The split program ended without telling its result.</source>
        <translation>The split program ended without telling its result.</translation>
    </message>
    <message>
        <source>The split program crashed.</source>
        <translation>The split program crashed.</translation>
    </message>
    <message>
        <source>Split canceled</source>
        <translation>Split canceled</translation>
    </message>
    <message>
        <source>The split program stopped unexpectedly (code %1).</source>
        <translation>The split program stopped unexpectedly (code %1).</translation>
    </message>
    <message>
        <source>The split was stopped before any file was written.</source>
        <translation>The split was stopped before any file was written.</translation>
    </message>
    <message numerus="yes">
        <source>The split was stopped. The %n file(s) it had written were removed.</source>
        <translation>
            <numerusform>The split was stopped. The %n file it had written was removed.</numerusform>
            <numerusform>The split was stopped. The %n files it had written were removed.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be written</source>
        <translation>
            <numerusform>%n file could not be written</numerusform>
            <numerusform>%n files could not be written</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 does not exist.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation>%1 cannot be opened: %2.</translation>
    </message>
    <message>
        <source>%1 has no pages: there is nothing to split.</source>
        <translation>%1 has no pages: there is nothing to split.</translation>
    </message>
    <message>
        <source>%1 has only one page: there is nothing to split.</source>
        <translation>%1 has only one page: there is nothing to split.</translation>
    </message>
    <message>
        <source>Pages start at 1.</source>
        <translation>Pages start at 1.</translation>
    </message>
    <message numerus="yes">
        <source>The document has only %n page(s).</source>
        <translation>
            <numerusform>The document has only %n page.</numerusform>
            <numerusform>The document has only %n pages.</numerusform>
        </translation>
    </message>
    <message>
        <source>Page %1 is already in the list.</source>
        <translation>Page %1 is already in the list.</translation>
    </message>
    <message>
        <source>At least one page must stay.</source>
        <translation>At least one page must stay.</translation>
    </message>
    <message>
        <source>The range ends before it starts.</source>
        <translation>The range ends before it starts.</translation>
    </message>
    <message>
        <source>This range is already in the list.</source>
        <translation>This range is already in the list.</translation>
    </message>
    <message>
        <source>The document has no bookmarks at the chosen level.</source>
        <translation>The document has no bookmarks at the chosen level.</translation>
    </message>
    <message>
        <source>Enter the largest file size the pieces may have.</source>
        <translation>Enter the largest file size the pieces may have.</translation>
    </message>
    <message>
        <source>A group holds at least one page.</source>
        <translation>A group holds at least one page.</translation>
    </message>
    <message>
        <source>A part has no pages. Give every part at least one page.</source>
        <translation>A part has no pages. Give every part at least one page.</translation>
    </message>
    <message>
        <source>A part or a rotation names a page that the document does not have.</source>
        <translation>A part or a rotation names a page that the document does not have.</translation>
    </message>
    <message>
        <source>A part or a rotation names a page that %1 does not have.</source>
        <translation>A part or a rotation names a page that %1 does not have.</translation>
    </message>
    <message>
        <source>Pages can only be turned by 90, 180 or 270 degrees.</source>
        <translation>Pages can only be turned by 90, 180 or 270 degrees.</translation>
    </message>
    <message>
        <source>A page was given two rotations. Give each page one.</source>
        <translation>A page was given two rotations. Give each page one.</translation>
    </message>
    <message>
        <source>Type pages as 3-5,7 or 8- or -4.</source>
        <translation>Type pages as 3-5,7 or 8- or -4.</translation>
    </message>
</context>
<context>
    <name>SplitView</name>
    <message>
        <source>Into files of 1 page</source>
        <translation>Into single-page files</translation>
    </message>
    <message>
        <source>By groups of pages</source>
        <translation>By groups of pages</translation>
    </message>
    <message>
        <source>Get rid of certain pages</source>
        <translation>Remove certain pages</translation>
    </message>
    <message>
        <source>By page ranges</source>
        <translation>By page ranges</translation>
    </message>
    <message>
        <source>Group of pages:</source>
        <translation>Pages per group:</translation>
    </message>
    <message>
        <source>Starting from:</source>
        <translation>Starting from:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>From:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>To:</translation>
    </message>
    <message>
        <source>Page to remove</source>
        <translation>Page to remove</translation>
    </message>
    <message>
        <source>Add page</source>
        <translation>Add page</translation>
    </message>
    <message>
        <source>Add range</source>
        <translation>Add range</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Clear all</translation>
    </message>
    <message>
        <source>SPLIT</source>
        <translation>SPLIT</translation>
    </message>
    <message>
        <source>Advanced Settings</source>
        <translation>Advanced Settings</translation>
    </message>
    <message>
        <source>Save to:</source>
        <translation>Save to:</translation>
    </message>
    <message>
        <source>Every page will be splited to isolated file...</source>
        <translation>Every page will be saved as a file of its own.</translation>
    </message>
    <message>
        <source>Choose how much pages will be in every group and you should choose pages, where splitting will be started...</source>
        <translation>Choose how many pages each group holds and the page where splitting starts.</translation>
    </message>
    <message>
        <source>You can choose and add pages which you want to delete...</source>
        <translation>Choose and add the pages you want to remove.</translation>
    </message>
    <message>
        <source>You should choose and add a interval from document, which you will want to split...</source>
        <translation>Choose and add the page ranges of the document that you want as separate files.</translation>
    </message>
    <message>
        <source>Split canceled</source>
        <translation>Split canceled</translation>
    </message>
    <message>
        <source>Split failed</source>
        <translation>Split failed</translation>
    </message>
    <message>
        <source>Error: this file has read permission only!</source>
        <translation>Error: this document does not allow its pages to be extracted.</translation>
    </message>
    <message>
        <source>Pages to remove</source>
        <translation>Pages to remove</translation>
    </message>
    <message>
        <source>Page ranges</source>
        <translation>Page ranges</translation>
    </message>
    <message>
        <source>Cannot split this document</source>
        <translation>Cannot split this document</translation>
    </message>
    <message>
        <source>The output properties you had set were reset for this document.</source>
        <translation>The output properties you had set were reset for this document.</translation>
    </message>
    <message>
        <source>By bookmarks</source>
        <translation>By bookmarks</translation>
    </message>
    <message>
        <source>By file size</source>
        <translation>By file size</translation>
    </message>
    <message>
        <source>Add a document to split first.</source>
        <translation>Add a document to split first.</translation>
    </message>
    <message>
        <source>The document is not read yet, or cannot be read.</source>
        <translation>The document is not read yet, or cannot be read.</translation>
    </message>
    <message>
        <source>A document of one page has nothing to split.</source>
        <translation>A document of one page has nothing to split.</translation>
    </message>
    <message>
        <source>Add the pages to remove first.</source>
        <translation>Add the pages to remove first.</translation>
    </message>
    <message>
        <source>Add a page range first.</source>
        <translation>Add a page range first.</translation>
    </message>
    <message>
        <source>Choose a bookmark level that leads to pages.</source>
        <translation>Choose a bookmark level that leads to pages.</translation>
    </message>
    <message>
        <source>Enter a file size above 0.</source>
        <translation>Enter a file size above 0.</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>e.g. 3-5,7</source>
        <translation>e.g. 3-5,7</translation>
    </message>
    <message>
        <source>By marks</source>
        <translation>By marks</translation>
    </message>
    <message>
        <source>Mark the pages to split at in the page window first.</source>
        <translation>Mark the pages to split at in the page window first.</translation>
    </message>
</context>
<context>
    <name>ThumbnailModel</name>
    <message>
        <source>This page cannot be shown</source>
        <translation>This page cannot be shown</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>page name, page label</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>cut after</source>
        <translation>cut after</translation>
    </message>
    <message>
        <source>rotated %1°</source>
        <translation>rotated %1°</translation>
    </message>
    <message>
        <source>left out</source>
        <translation>left out</translation>
    </message>
    <message>
        <source>cannot be shown</source>
        <translation>cannot be shown</translation>
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
        <translation>Minimize</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>ZoomBar</name>
    <message>
        <source>Fit width</source>
        <translation>Fit width</translation>
    </message>
    <message>
        <source>Fit page</source>
        <translation>Fit page</translation>
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
        <translation>Zoom (%1: fit width)</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zoom in</translation>
    </message>
</context>
</TS>
