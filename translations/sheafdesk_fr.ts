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
    <message>
        <source>Close (%1)</source>
        <translation>Fermer (%1)</translation>
    </message>
    <message>
        <source>The values you had set here were reset to their defaults when another document was loaded.</source>
        <translation>Vos valeurs ont été remises par défaut au chargement d’un autre document.</translation>
    </message>
    <message>
        <source>Keep each document&apos;s bookmarks</source>
        <translation>Garder les signets de chaque document</translation>
    </message>
    <message>
        <source>One per document, with its bookmarks beneath</source>
        <translation>Un par document, ses signets en dessous</translation>
    </message>
    <message>
        <source>No bookmarks</source>
        <translation>Aucun signet</translation>
    </message>
    <message>
        <source>Bookmarks:</source>
        <translation>Signets :</translation>
    </message>
    <message>
        <source>BOOKMARK</source>
        <translation>SIGNET</translation>
    </message>
    <message>
        <source>Page order:</source>
        <translation>Ordre des pages :</translation>
    </message>
    <message>
        <source>Alternate pages</source>
        <translation>Alterner les pages</translation>
    </message>
    <message>
        <source>One page of each document in turn, as for a stack scanned as front sides and back sides.</source>
        <translation>Une page de chaque document à tour de rôle, comme pour une pile numérisée en recto puis en verso.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Lossless</source>
        <translation>Sans perte</translation>
    </message>
    <message>
        <source>Lossless, photos at 300 dpi</source>
        <translation>Sans perte, photos à 300 ppp</translation>
    </message>
    <message>
        <source>Lossless, photos at 150 dpi</source>
        <translation>Sans perte, photos à 150 ppp</translation>
    </message>
    <message>
        <source>Optimise:</source>
        <translation>Optimiser :</translation>
    </message>
    <message>
        <source>FIRSTLINE</source>
        <translation>PREMIERELIGNE</translation>
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
            <numerusform>Niveau %1 : %n fichier</numerusform>
            <numerusform>Niveau %1 : %n fichiers</numerusform>
        </translation>
    </message>
    <message>
        <source>Bookmark level:</source>
        <translation>Niveau de signet :</translation>
    </message>
    <message>
        <source>Bookmark level</source>
        <translation>Niveau de signet</translation>
    </message>
    <message>
        <source>This document has no bookmarks, so it cannot be split by them.</source>
        <translation>Ce document n’a pas de signets et ne peut donc pas être divisé selon eux.</translation>
    </message>
    <message>
        <source>Every bookmark of the chosen level starts a new file, named after the bookmark and keeping its bookmarks. Pages before the first one make a file of their own.</source>
        <translation>Chaque signet du niveau choisi commence un nouveau fichier, nommé d’après lui et gardant ses signets. Les pages avant le premier forment un fichier à part.</translation>
    </message>
</context>
<context>
    <name>Cover</name>
    <message>
        <source>This page cannot be shown</source>
        <translation>Cette page ne peut pas être affichée</translation>
    </message>
</context>
<context>
    <name>DocumentViewer</name>
    <message>
        <source>Single pages</source>
        <translation>Pages seules</translation>
    </message>
    <message>
        <source>Thumbnails</source>
        <translation>Miniatures</translation>
    </message>
    <message>
        <source>Go to page:</source>
        <translation>Aller à la page :</translation>
    </message>
    <message>
        <source>Go to page</source>
        <translation>Aller à la page</translation>
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
        <translation>Trouver les coupes</translation>
    </message>
</context>
<context>
    <name>DropArea</name>
    <message>
        <source>Add file</source>
        <translation>Ajouter un fichier</translation>
    </message>
    <message>
        <source>or drag &amp; drop</source>
        <translation>ou glisser-déposer</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Ouvrir un fichier</translation>
    </message>
    <message>
        <source>Files (*.pdf)</source>
        <translation>Fichiers (*.pdf)</translation>
    </message>
    <message>
        <source>Add file (%1)</source>
        <translation>Ajouter un fichier (%1)</translation>
    </message>
</context>
<context>
    <name>FindCutsBar</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>Stopped; the marks are as they were.</source>
        <translation>Arrêté ; les marques sont inchangées.</translation>
    </message>
    <message>
        <source>Every page would be left out, so the marks are as they were.</source>
        <translation>Toutes les pages seraient omises, les marques sont donc inchangées.</translation>
    </message>
    <message numerus="yes">
        <source>%n part(s) found</source>
        <translation>
            <numerusform>%n partie trouvée</numerusform>
            <numerusform>%n parties trouvées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n page(s) left out</source>
        <translation>
            <numerusform>%n page omise</numerusform>
            <numerusform>%n pages omises</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n page(s) without text</source>
        <translation>
            <numerusform>%n page sans texte</numerusform>
            <numerusform>%n pages sans texte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n page(s) could not be read</source>
        <translation>
            <numerusform>%n page illisible</numerusform>
            <numerusform>%n pages illisibles</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Type the phrase to find first.</source>
        <translation>Saisissez d’abord le texte à trouver.</translation>
    </message>
    <message>
        <source>At blank pages</source>
        <translation>Aux pages blanches</translation>
    </message>
    <message>
        <source>At text:</source>
        <translation>Au texte :</translation>
    </message>
    <message>
        <source>At codes:</source>
        <translation>Aux codes :</translation>
    </message>
    <message>
        <source>Cut at blank pages</source>
        <translation>Couper aux pages blanches</translation>
    </message>
    <message>
        <source>Cut at pages with a phrase</source>
        <translation>Couper aux pages contenant un texte</translation>
    </message>
    <message>
        <source>Cut at pages with a barcode or QR code</source>
        <translation>Couper aux pages avec un code-barres ou un code QR</translation>
    </message>
    <message>
        <source>Phrase</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Phrase to find</source>
        <translation>Texte à trouver</translation>
    </message>
    <message>
        <source>Any code</source>
        <translation>Tout code</translation>
    </message>
    <message>
        <source>Codes beginning with</source>
        <translation>Codes commençant par</translation>
    </message>
    <message>
        <source>Leave blank pages out</source>
        <translation>Omettre les pages blanches</translation>
    </message>
    <message>
        <source>Leave the separator page out</source>
        <translation>Omettre la page de séparation</translation>
    </message>
    <message>
        <source>Cut before the separator</source>
        <translation>Couper avant la séparation</translation>
    </message>
    <message>
        <source>Cut after the separator</source>
        <translation>Couper après la séparation</translation>
    </message>
    <message>
        <source>Where to cut</source>
        <translation>Où couper</translation>
    </message>
    <message>
        <source>Duplex: leave blank backs out</source>
        <translation>Recto verso : omettre les versos blancs</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Trouver</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Close the panel</source>
        <translation>Fermer le panneau</translation>
    </message>
</context>
<context>
    <name>InterruptedSplitsQuestion</name>
    <message>
        <source>a document</source>
        <translation>un document</translation>
    </message>
    <message numerus="yes">
        <source>An earlier split of %1 was interrupted: %n file(s) were written to %2</source>
        <translation>
            <numerusform>Un découpage antérieur de %1 a été interrompu : %n fichier a été écrit dans %2</numerusform>
            <numerusform>Un découpage antérieur de %1 a été interrompu : %n fichiers ont été écrits dans %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Interrupted split</source>
        <translation>Découpage interrompu</translation>
    </message>
    <message>
        <source>OPEN FOLDER</source>
        <translation>OUVRIR LE DOSSIER</translation>
    </message>
    <message>
        <source>REMOVE THEM</source>
        <translation>LES SUPPRIMER</translation>
    </message>
    <message>
        <source>KEEP</source>
        <translation>GARDER</translation>
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
    <message>
        <source>Open the web site</source>
        <translation>Ouvrir le site web</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Split a document (%1, %2)</source>
        <translation>Diviser un document (%1, %2)</translation>
    </message>
    <message>
        <source>Merge documents (%1, %2)</source>
        <translation>Fusionner des documents (%1, %2)</translation>
    </message>
    <message>
        <source>Open the online help (%1)</source>
        <translation>Ouvrir l&apos;aide en ligne (%1)</translation>
    </message>
    <message>
        <source>Language, output folder, author, compression</source>
        <translation>Langue, dossier de sortie, auteur, compression</translation>
    </message>
    <message>
        <source>Close (%1)</source>
        <translation>Fermer (%1)</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Show the last result in the file manager</source>
        <translation>Afficher le dernier résultat dans le gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>The running split will be stopped and the files it has written removed.</source>
        <translation>La division en cours sera arrêtée et les fichiers déjà écrits seront supprimés.</translation>
    </message>
    <message>
        <source>The running merge will be stopped; nothing will be written.</source>
        <translation>La fusion en cours sera arrêtée ; rien ne sera écrit.</translation>
    </message>
    <message numerus="yes">
        <source>The merge list of %n document(s) will be lost.</source>
        <translation>
            <numerusform>La liste de fusion de %n document sera perdue.</numerusform>
            <numerusform>La liste de fusion de %n documents sera perdue.</numerusform>
        </translation>
    </message>
    <message>
        <source>Close Cleavemark?</source>
        <translation>Fermer Cleavemark ?</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>FERMER</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ANNULER</translation>
    </message>
    <message>
        <source>https://www.tessaly.com/cleavemark/help/</source>
        <extracomment>The online manual in this language; keep the English address where there is none.</extracomment>
        <translation>https://www.tessaly.com/fr/cleavemark/help/</translation>
    </message>
</context>
<context>
    <name>MarksBar</name>
    <message>
        <source>Mark a cut, a page to leave out or a turn first.</source>
        <translation>Marquez d’abord une coupe, une page à omettre ou une rotation.</translation>
    </message>
    <message>
        <source>Every page is left out: there is nothing to split.</source>
        <translation>Toutes les pages sont omises : il n’y a rien à diviser.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Clear marks</source>
        <translation>Effacer les marques</translation>
    </message>
    <message>
        <source>Split at marks</source>
        <translation>Diviser aux marques</translation>
    </message>
</context>
<context>
    <name>MarksModePage</name>
    <message>
        <source>Part %1: page %2</source>
        <translation>Partie %1 : page %2</translation>
    </message>
    <message>
        <source>Part %1: pages %2–%3</source>
        <translation>Partie %1 : pages %2–%3</translation>
    </message>
    <message numerus="yes">
        <source>, %n page(s) left out</source>
        <translation>
            <numerusform>, %n page omise</numerusform>
            <numerusform>, %n pages omises</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n rotated</source>
        <translation>
            <numerusform>, %n pivotée</numerusform>
            <numerusform>, %n pivotées</numerusform>
        </translation>
    </message>
    <message>
        <source>From the template</source>
        <translation>D’après le modèle</translation>
    </message>
    <message>
        <source>Marked parts</source>
        <translation>Parties marquées</translation>
    </message>
    <message>
        <source>Mark pages</source>
        <translation>Marquer les pages</translation>
    </message>
    <message>
        <source>Opens the page window on the thumbnails</source>
        <translation>Ouvre la fenêtre des pages sur les miniatures</translation>
    </message>
    <message>
        <source>Mark the pages in the page window: cut after a page, leave pages out or turn them, then choose &quot;Split at marks&quot;. Each part becomes a file.</source>
        <translation>Marquez les pages dans la fenêtre des pages : coupez après une page, omettez ou pivotez des pages, puis choisissez &quot;Diviser aux marques&quot;. Chaque partie devient un fichier.</translation>
    </message>
    <message>
        <source>Name of part %1:</source>
        <translation>Nom de la partie %1 :</translation>
    </message>
    <message>
        <source>File name:</source>
        <translation>Nom de fichier :</translation>
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
        <translation>Saisir le mot de passe</translation>
    </message>
</context>
<context>
    <name>MergeMessages</name>
    <message numerus="yes">
        <source>%n document(s) cannot be merged:</source>
        <translation>
            <numerusform>%n document ne peut pas être fusionné :</numerusform>
            <numerusform>%n documents ne peuvent pas être fusionnés :</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove them from the list, or merge the others without them?</source>
        <translation>Les retirer de la liste, ou fusionner les autres sans eux ?</translation>
    </message>
    <message>
        <source>%1 (skipped)</source>
        <translation>%1 (ignoré)</translation>
    </message>
    <message>
        <source>%1 (cannot be read)</source>
        <translation>%1 (illisible)</translation>
    </message>
    <message>
        <source>%1 (no pages)</source>
        <translation>%1 (aucune page)</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n document(s) merged; left out: %2.</source>
        <translation>
            <numerusform>%1 document sur %n fusionné ; laissé de côté : %2.</numerusform>
            <numerusform>%1 documents sur %n fusionnés ; laissés de côté : %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was merged; left out: %1.</source>
        <translation>Rien n’a été fusionné ; laissés de côté : %1.</translation>
    </message>
    <message>
        <source>%1 could not be written to %2</source>
        <translation>Impossible d’écrire %1 dans %2</translation>
    </message>
    <message>
        <source>%1 could not be merged</source>
        <translation>Impossible de fusionner %1</translation>
    </message>
    <message>
        <source>The merge program could not be started.</source>
        <translation>Le programme de fusion n’a pas pu être lancé.</translation>
    </message>
    <message>
        <source>The merge program ended without telling its result.</source>
        <translation>Le programme de fusion s’est terminé sans indiquer de résultat.</translation>
    </message>
    <message>
        <source>The merge program crashed.</source>
        <translation>Le programme de fusion a planté.</translation>
    </message>
    <message>
        <source>Merge files failed (code %1).</source>
        <translation>La fusion des fichiers a échoué (code %1).</translation>
    </message>
    <message numerus="yes">
        <source>Remove all %n document(s) from the merge list?</source>
        <translation>
            <numerusform>Retirer %n document de la liste de fusion ?</numerusform>
            <numerusform>Retirer les %n documents de la liste de fusion ?</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 page %2</source>
        <translation>%1 page %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 et %n autre</numerusform>
            <numerusform>%1 et %n autres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n page(s) carry damaged content from their source: %1.</source>
        <translation>
            <numerusform>%n page contient un contenu endommagé venant de sa source : %1.</numerusform>
            <numerusform>%n pages contiennent un contenu endommagé venant de leur source : %1.</numerusform>
        </translation>
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
        <source>Cannot be read</source>
        <translation>Illisible</translation>
    </message>
    <message>
        <source>No pages</source>
        <translation>Aucune page</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1 est illisible : %2.</translation>
    </message>
    <message>
        <source>%1 has no pages.</source>
        <translation>%1 n’a aucune page.</translation>
    </message>
    <message>
        <source>Reversed: %1</source>
        <translation>Inversé : %1</translation>
    </message>
    <message>
        <source>Reading…</source>
        <translation>Lecture…</translation>
    </message>
</context>
<context>
    <name>MergeTableView</name>
    <message>
        <source>Select all</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Documents to merge</source>
        <translation>Documents à fusionner</translation>
    </message>
    <message>
        <source>Delete removes a document, Alt+Up and Alt+Down move it, Return or F2 chooses its pages, Space previews it</source>
        <translation>Suppr retire un document, Alt+Haut et Alt+Bas le déplacent, Entrée ou F2 choisit ses pages, Espace en affiche l&apos;aperçu</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Choose pages</source>
        <translation>Choisir les pages</translation>
    </message>
    <message>
        <source>Enter password</source>
        <translation>Saisir le mot de passe</translation>
    </message>
</context>
<context>
    <name>MergeView</name>
    <message>
        <source>Save to folder:</source>
        <translation>Enregistrer dans le dossier :</translation>
    </message>
    <message>
        <source>Filename:</source>
        <translation>Nom du fichier :</translation>
    </message>
    <message>
        <source>MERGE</source>
        <translation>FUSIONNER</translation>
    </message>
    <message>
        <source>Advanced Settings</source>
        <translation>Paramètres avancés</translation>
    </message>
    <message>
        <source>Add files</source>
        <translation>Ajouter des fichiers</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Tout supprimer</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation>Choisir un dossier</translation>
    </message>
    <message>
        <source>Select one or more files to open</source>
        <translation>Sélectionnez un ou plusieurs fichiers à ouvrir</translation>
    </message>
    <message>
        <source>Files (*.pdf)</source>
        <translation>Fichiers (*.pdf)</translation>
    </message>
    <message>
        <source>Merging files..</source>
        <translation>Fusion des fichiers...</translation>
    </message>
    <message>
        <source>Select destination folder</source>
        <translation>Choisir le dossier de destination</translation>
    </message>
    <message>
        <source>Merge failed</source>
        <translation>Échec de la fusion</translation>
    </message>
    <message>
        <source>Add files (%1)</source>
        <translation>Ajouter des fichiers (%1)</translation>
    </message>
    <message>
        <source>Move up (%1)</source>
        <translation>Monter (%1)</translation>
    </message>
    <message>
        <source>Move down (%1)</source>
        <translation>Descendre (%1)</translation>
    </message>
    <message>
        <source>The merged file gets this name with .pdf</source>
        <translation>Le fichier fusionné reçoit ce nom suivi de .pdf</translation>
    </message>
    <message>
        <source>Documents cannot be merged</source>
        <translation>Documents impossibles à fusionner</translation>
    </message>
    <message>
        <source>REMOVE THEM</source>
        <translation>LES RETIRER</translation>
    </message>
    <message>
        <source>MERGE WITHOUT THEM</source>
        <translation>FUSIONNER SANS EUX</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ANNULER</translation>
    </message>
    <message>
        <source>Clear the merge list</source>
        <translation>Vider la liste</translation>
    </message>
    <message>
        <source>CLEAR LIST</source>
        <translation>VIDER LA LISTE</translation>
    </message>
    <message>
        <source>Merged-%1</source>
        <extracomment>The proposed name of a merged file; %1 is the date and time. No spaces or / : * ? &lt; &gt; |.</extracomment>
        <translation>Fusion-%1</translation>
    </message>
    <message numerus="yes">
        <source>%n pages total</source>
        <translation>
            <numerusform>%n page au total</numerusform>
            <numerusform>%n pages au total</numerusform>
        </translation>
    </message>
    <message>
        <source>Pages alternate between documents</source>
        <translation>Les pages alternent entre les documents</translation>
    </message>
    <message>
        <source>A merge is running.</source>
        <translation>Une fusion est en cours.</translation>
    </message>
    <message>
        <source>Enter a name for the merged file.</source>
        <translation>Saisissez un nom pour le fichier fusionné.</translation>
    </message>
    <message>
        <source>Choose a folder to save to.</source>
        <translation>Choisissez un dossier d&apos;enregistrement.</translation>
    </message>
    <message>
        <source>Add at least two documents to merge.</source>
        <translation>Ajoutez au moins deux documents à fusionner.</translation>
    </message>
    <message>
        <source>It was saved as %1 because a file named %2 was already there.</source>
        <translation>Il a été enregistré sous %1, car un fichier nommé %2 existait déjà.</translation>
    </message>
    <message>
        <source>Wait until every document in the list is read.</source>
        <translation>Attendez que chaque document de la liste soit lu.</translation>
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
    <message>
        <source>You can open the folder to view the result</source>
        <translation>Vous pouvez ouvrir le dossier pour voir le résultat</translation>
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
    <name>MessagePath</name>
    <message>
        <source>Cannot open the folder</source>
        <translation>Impossible d&apos;ouvrir le dossier</translation>
    </message>
    <message>
        <source>No file manager answered. The files are in this folder:</source>
        <translation>Aucun gestionnaire de fichiers n&apos;a répondu. Les fichiers se trouvent dans ce dossier :</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>COPIER</translation>
    </message>
    <message>
        <source>Copy the folder&apos;s path</source>
        <translation>Copier le chemin du dossier</translation>
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
        <translation>Division terminée</translation>
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
    <message numerus="yes">
        <source>Your document was split in %n files. You can open folder to view the results of proceed of merging them.</source>
        <translation>
            <numerusform>Votre document a été divisé en %n fichier. Vous pouvez ouvrir le dossier pour le voir.</numerusform>
            <numerusform>Votre document a été divisé en %n fichiers. Vous pouvez ouvrir le dossier pour voir les résultats ou les fusionner.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of them hold a single page that alone is larger than the size limit.</source>
        <translation>
            <numerusform>%n d’entre eux contient une seule page qui dépasse à elle seule la taille limite.</numerusform>
            <numerusform>%n d’entre eux contiennent une seule page qui dépasse à elle seule la taille limite.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of them got a name such as &quot;(1)name.pdf&quot; because a file of the same name was already there.</source>
        <translation>
            <numerusform>%n d&apos;entre eux a reçu un nom comme « (1)nom.pdf », car un fichier du même nom existait déjà.</numerusform>
            <numerusform>%n d&apos;entre eux ont reçu un nom comme « (1)nom.pdf », car des fichiers du même nom existaient déjà.</numerusform>
        </translation>
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
    <name>OutcomeText</name>
    <message>
        <source>the file is gone or may not be read</source>
        <translation>le fichier a disparu ou ne peut pas être lu</translation>
    </message>
    <message>
        <source>there was not enough memory to read it</source>
        <translation>la mémoire était insuffisante pour le lire</translation>
    </message>
    <message>
        <source>the password is missing or wrong</source>
        <translation>le mot de passe manque ou est incorrect</translation>
    </message>
    <message>
        <source>it is not a PDF document, or it is damaged</source>
        <translation>ce n’est pas un document PDF, ou il est endommagé</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>le fichier n’a pas pu être écrit</translation>
    </message>
    <message>
        <source>the folder is missing or cannot be written to</source>
        <translation>le dossier manque ou n’est pas accessible en écriture</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>the password is wrong</source>
        <translation>le mot de passe est incorrect</translation>
    </message>
    <message>
        <source>the document cannot be read</source>
        <translation>le document est illisible</translation>
    </message>
    <message>
        <source>the file name cannot be used</source>
        <translation>le nom de fichier n’est pas utilisable</translation>
    </message>
    <message>
        <source>reading it took too long</source>
        <translation>sa lecture a pris trop de temps</translation>
    </message>
    <message>
        <source>its structure is damaged</source>
        <translation>sa structure est endommagée</translation>
    </message>
    <message>
        <source>its structure is damaged (%1)</source>
        <translation>sa structure est endommagée (%1)</translation>
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
        <translation>Cette page ne peut pas être affichée</translation>
    </message>
</context>
<context>
    <name>PageMarks</name>
    <message>
        <source>Cut here</source>
        <translation>Couper ici</translation>
    </message>
    <message>
        <source>Leave out</source>
        <translation>Omettre</translation>
    </message>
    <message>
        <source>Rotate right</source>
        <translation>Pivoter à droite</translation>
    </message>
    <message>
        <source>Rotate left</source>
        <translation>Pivoter à gauche</translation>
    </message>
    <message>
        <source>Clear marks</source>
        <translation>Effacer les marques</translation>
    </message>
    <message>
        <source>Find cuts</source>
        <translation>Trouver les coupes</translation>
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
        <translation>De</translation>
    </message>
    <message>
        <source>To</source>
        <translation>À</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Tout supprimer</translation>
    </message>
    <message>
        <source>Apply to all files in queue</source>
        <translation>Appliquer à tous les fichiers</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Choose page ranges. Total pages in document: %1</source>
        <translation>Choisissez les plages de pages. Nombre de pages du document : %1</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ANNULER</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>FERMER</translation>
    </message>
    <message>
        <source>Page ranges</source>
        <translation>Plages de pages</translation>
    </message>
    <message>
        <source>Chosen page ranges</source>
        <translation>Plages de pages choisies</translation>
    </message>
    <message>
        <source>Close (%1)</source>
        <translation>Fermer (%1)</translation>
    </message>
    <message>
        <source>Reverse page order</source>
        <translation>Inverser l’ordre des pages</translation>
    </message>
    <message>
        <source>For the back sides of a scanned stack: reverse them and choose &quot;Alternate pages&quot; in the merge&apos;s Advanced Settings.</source>
        <translation>Pour les versos d’une pile numérisée : inversez-les et choisissez « Alterner les pages » dans les paramètres avancés de la fusion.</translation>
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
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>This document cannot be shown: it needs a password.</source>
        <translation>Ce document ne peut pas être affiché : il faut un mot de passe.</translation>
    </message>
    <message>
        <source>This document has no pages to show.</source>
        <translation>Ce document n’a aucune page à afficher.</translation>
    </message>
    <message>
        <source>This document cannot be shown: %1.</source>
        <translation>Ce document ne peut pas être affiché : %1.</translation>
    </message>
</context>
<context>
    <name>PasswordPrompt</name>
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
    <name>PreviewWidget</name>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>enter password</source>
        <translation>saisir le mot de passe</translation>
    </message>
    <message>
        <source>Password protected:</source>
        <translation>Protégé par mot de passe :</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>File name:</source>
        <translation>Nom du fichier :</translation>
    </message>
    <message>
        <source>Pages: %1</source>
        <translation>Pages : %1</translation>
    </message>
    <message>
        <source>Page 1 of %1</source>
        <translation>Page 1 sur %1</translation>
    </message>
    <message>
        <source>Locked document</source>
        <translation>Document verrouillé</translation>
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
    <name>RangeItemView</name>
    <message>
        <source>Remove pages %1</source>
        <translation>Supprimer les pages %1</translation>
    </message>
</context>
<context>
    <name>SaveFolderBox</name>
    <message>
        <source>Select destination folder</source>
        <translation>Choisir le dossier de destination</translation>
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
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Close (%1)</source>
        <translation>Fermer (%1)</translation>
    </message>
</context>
<context>
    <name>SizeModePage</name>
    <message>
        <source>The document: %1</source>
        <translation>Le document : %1</translation>
    </message>
    <message>
        <source>Largest file:</source>
        <translation>Fichier max. :</translation>
    </message>
    <message>
        <source>Largest file size in MB</source>
        <translation>Taille maximale d’un fichier en Mo</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>Pages go into files in their order, each file holding as many pages as fit within this size, for example to stay under an e-mail limit. A page that alone is larger becomes a file of its own.</source>
        <translation>Les pages vont dans l’ordre dans des fichiers, chacun contenant autant de pages que cette taille le permet, par exemple pour rester sous une limite d’e-mail. Une page plus grande à elle seule forme son propre fichier.</translation>
    </message>
</context>
<context>
    <name>SizeSummary</name>
    <message numerus="yes">
        <source>%n files, %1</source>
        <translation>
            <numerusform>%n fichier, %1</numerusform>
            <numerusform>%n fichiers, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files, %1 → %2</source>
        <translation>
            <numerusform>%n fichier, %1 → %2</numerusform>
            <numerusform>%n fichiers, %1 → %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Merged: %1</source>
        <translation>Fusionné : %1</translation>
    </message>
    <message>
        <source>Merged: %1 → %2</source>
        <translation>Fusionné : %1 → %2</translation>
    </message>
    <message>
        <source>Images: %1 redrawn smaller, %2 left as they were.</source>
        <translation>Images : %1 redessinées en plus petit, %2 laissées telles quelles.</translation>
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
<context>
    <name>SplitMessages</name>
    <message>
        <source>The document to split was not found.</source>
        <translation>Le document à diviser est introuvable.</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 est introuvable.</translation>
    </message>
    <message>
        <source>The document could not be opened: the password is wrong.</source>
        <translation>Impossible d’ouvrir le document : le mot de passe est incorrect.</translation>
    </message>
    <message>
        <source>%1 could not be opened</source>
        <translation>Impossible d’ouvrir %1</translation>
    </message>
    <message>
        <source>The pages could not be written to the output folder.</source>
        <translation>Impossible d’écrire les pages dans le dossier de destination.</translation>
    </message>
    <message>
        <source>The pages of %1 could not be read</source>
        <translation>Impossible de lire les pages de %1</translation>
    </message>
    <message>
        <source>The pages could not be written to %1</source>
        <translation>Impossible d’écrire les pages dans %1</translation>
    </message>
    <message>
        <source>The split program could not be started.</source>
        <translation>Le programme de division n’a pas pu être lancé.</translation>
    </message>
    <message>
        <source>The split program ended without telling its result.</source>
        <translation>Le programme de division s’est terminé sans indiquer de résultat.</translation>
    </message>
    <message>
        <source>The split program crashed.</source>
        <translation>Le programme de division a planté.</translation>
    </message>
    <message>
        <source>Split canceled</source>
        <translation>Division annulée</translation>
    </message>
    <message>
        <source>The split program stopped unexpectedly (code %1).</source>
        <translation>Le programme de division s’est arrêté de manière inattendue (code %1).</translation>
    </message>
    <message>
        <source>The split was stopped before any file was written.</source>
        <translation>La division a été arrêtée avant l’écriture du moindre fichier.</translation>
    </message>
    <message numerus="yes">
        <source>The split was stopped. The %n file(s) it had written were removed.</source>
        <translation>
            <numerusform>La division a été arrêtée. Le fichier déjà écrit (%n) a été supprimé.</numerusform>
            <numerusform>La division a été arrêtée. Les %n fichiers déjà écrits ont été supprimés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be written</source>
        <translation>
            <numerusform>%n fichier n’a pas pu être écrit</numerusform>
            <numerusform>%n fichiers n’ont pas pu être écrits</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 n’existe pas.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation>Impossible d’ouvrir %1 : %2.</translation>
    </message>
    <message>
        <source>%1 has no pages: there is nothing to split.</source>
        <translation>%1 n’a aucune page : il n’y a rien à diviser.</translation>
    </message>
    <message>
        <source>%1 has only one page: there is nothing to split.</source>
        <translation>%1 n’a qu’une page : il n’y a rien à diviser.</translation>
    </message>
    <message>
        <source>Pages start at 1.</source>
        <translation>Les pages commencent à 1.</translation>
    </message>
    <message numerus="yes">
        <source>The document has only %n page(s).</source>
        <translation>
            <numerusform>Le document n’a que %n page.</numerusform>
            <numerusform>Le document n’a que %n pages.</numerusform>
        </translation>
    </message>
    <message>
        <source>Page %1 is already in the list.</source>
        <translation>La page %1 est déjà dans la liste.</translation>
    </message>
    <message>
        <source>At least one page must stay.</source>
        <translation>Au moins une page doit rester.</translation>
    </message>
    <message>
        <source>The range ends before it starts.</source>
        <translation>La plage finit avant de commencer.</translation>
    </message>
    <message>
        <source>This range is already in the list.</source>
        <translation>Cette plage est déjà dans la liste.</translation>
    </message>
    <message>
        <source>The document has no bookmarks at the chosen level.</source>
        <translation>Le document n’a pas de signets au niveau choisi.</translation>
    </message>
    <message>
        <source>Enter the largest file size the pieces may have.</source>
        <translation>Indiquez la taille maximale des fichiers produits.</translation>
    </message>
    <message>
        <source>A group holds at least one page.</source>
        <translation>Un groupe contient au moins une page.</translation>
    </message>
    <message>
        <source>A part has no pages. Give every part at least one page.</source>
        <translation>Une partie n’a aucune page. Donnez au moins une page à chaque partie.</translation>
    </message>
    <message>
        <source>A part or a rotation names a page that the document does not have.</source>
        <translation>Une partie ou une rotation désigne une page que le document n’a pas.</translation>
    </message>
    <message>
        <source>A part or a rotation names a page that %1 does not have.</source>
        <translation>Une partie ou une rotation désigne une page que %1 n’a pas.</translation>
    </message>
    <message>
        <source>Pages can only be turned by 90, 180 or 270 degrees.</source>
        <translation>Les pages ne peuvent être tournées que de 90, 180 ou 270 degrés.</translation>
    </message>
    <message>
        <source>A page was given two rotations. Give each page one.</source>
        <translation>Une page a reçu deux rotations. N’en donnez qu’une à chaque page.</translation>
    </message>
    <message>
        <source>Type pages as 3-5,7 or 8- or -4.</source>
        <translation>Saisissez les pages ainsi : 3-5,7 ou 8- ou -4.</translation>
    </message>
</context>
<context>
    <name>SplitView</name>
    <message>
        <source>Into files of 1 page</source>
        <translation>En fichiers d&apos;une page</translation>
    </message>
    <message>
        <source>By groups of pages</source>
        <translation>Par groupes de pages</translation>
    </message>
    <message>
        <source>Get rid of certain pages</source>
        <translation>Supprimer certaines pages</translation>
    </message>
    <message>
        <source>By page ranges</source>
        <translation>Par plages de pages</translation>
    </message>
    <message>
        <source>Group of pages:</source>
        <translation>Pages par groupe :</translation>
    </message>
    <message>
        <source>Starting from:</source>
        <translation>À partir de :</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>De :</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>À :</translation>
    </message>
    <message>
        <source>Page to remove</source>
        <translation>Page à supprimer</translation>
    </message>
    <message>
        <source>Add page</source>
        <translation>Ajouter la page</translation>
    </message>
    <message>
        <source>Add range</source>
        <translation>Ajouter la plage</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Tout supprimer</translation>
    </message>
    <message>
        <source>SPLIT</source>
        <translation>DIVISER</translation>
    </message>
    <message>
        <source>Advanced Settings</source>
        <translation>Paramètres avancés</translation>
    </message>
    <message>
        <source>Save to:</source>
        <translation>Enregistrer dans :</translation>
    </message>
    <message>
        <source>Every page will be splited to isolated file...</source>
        <translation>Chaque page sera enregistrée dans un fichier distinct...</translation>
    </message>
    <message>
        <source>Choose how much pages will be in every group and you should choose pages, where splitting will be started...</source>
        <translation>Choisissez le nombre de pages par groupe et la page à partir de laquelle la division commence...</translation>
    </message>
    <message>
        <source>You can choose and add pages which you want to delete...</source>
        <translation>Choisissez et ajoutez les pages que vous voulez supprimer...</translation>
    </message>
    <message>
        <source>You should choose and add a interval from document, which you will want to split...</source>
        <translation>Choisissez et ajoutez les plages de pages du document que vous voulez séparer...</translation>
    </message>
    <message>
        <source>Split canceled</source>
        <translation>Division annulée</translation>
    </message>
    <message>
        <source>Split failed</source>
        <translation>Échec de la division</translation>
    </message>
    <message>
        <source>Error: this file has read permission only!</source>
        <translation>Erreur : ce fichier est en lecture seule !</translation>
    </message>
    <message>
        <source>Pages to remove</source>
        <translation>Pages à supprimer</translation>
    </message>
    <message>
        <source>Page ranges</source>
        <translation>Plages de pages</translation>
    </message>
    <message>
        <source>Cannot split this document</source>
        <translation>Document impossible à diviser</translation>
    </message>
    <message>
        <source>The output properties you had set were reset for this document.</source>
        <translation>Vos propriétés de sortie ont été réinitialisées pour ce document.</translation>
    </message>
    <message>
        <source>By bookmarks</source>
        <translation>Par signets</translation>
    </message>
    <message>
        <source>By file size</source>
        <translation>Par taille de fichier</translation>
    </message>
    <message>
        <source>Add a document to split first.</source>
        <translation>Ajoutez d&apos;abord un document à découper.</translation>
    </message>
    <message>
        <source>The document is not read yet, or cannot be read.</source>
        <translation>Le document n&apos;est pas encore lu, ou ne peut pas l&apos;être.</translation>
    </message>
    <message>
        <source>A document of one page has nothing to split.</source>
        <translation>Un document d&apos;une page n&apos;a rien à découper.</translation>
    </message>
    <message>
        <source>Add the pages to remove first.</source>
        <translation>Ajoutez d&apos;abord les pages à supprimer.</translation>
    </message>
    <message>
        <source>Add a page range first.</source>
        <translation>Ajoutez d&apos;abord une plage de pages.</translation>
    </message>
    <message>
        <source>Choose a bookmark level that leads to pages.</source>
        <translation>Choisissez un niveau de signets qui mène à des pages.</translation>
    </message>
    <message>
        <source>Enter a file size above 0.</source>
        <translation>Saisissez une taille de fichier supérieure à 0.</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>e.g. 3-5,7</source>
        <translation>p. ex. 3-5,7</translation>
    </message>
    <message>
        <source>By marks</source>
        <translation>Par marques</translation>
    </message>
    <message>
        <source>Mark the pages to split at in the page window first.</source>
        <translation>Marquez d’abord dans la fenêtre des pages où diviser.</translation>
    </message>
</context>
<context>
    <name>ThumbnailModel</name>
    <message>
        <source>This page cannot be shown</source>
        <translation>Cette page ne peut pas être affichée</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>page name, page label</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>cut after</source>
        <translation>coupe après</translation>
    </message>
    <message>
        <source>rotated %1°</source>
        <translation>pivotée de %1°</translation>
    </message>
    <message>
        <source>left out</source>
        <translation>omise</translation>
    </message>
    <message>
        <source>cannot be shown</source>
        <translation>ne peut pas être affichée</translation>
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
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>ZoomBar</name>
    <message>
        <source>Fit width</source>
        <translation>Ajuster à la largeur</translation>
    </message>
    <message>
        <source>Fit page</source>
        <translation>Page entière</translation>
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
        <translation>Zoom (%1 : ajuster à la largeur)</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zoom avant</translation>
    </message>
</context>
</TS>
