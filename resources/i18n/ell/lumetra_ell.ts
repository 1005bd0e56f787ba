<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el">
<context>
    <name>LMDocumentFile</name>
    <message>
        <source>The fine detail of this design could not be read; it opens at standard detail.</source>
        <translation>Η υψηλή λεπτομέρεια αυτού του σχεδίου δεν ήταν δυνατό να διαβαστεί· ανοίγει με τυπική λεπτομέρεια.</translation>
    </message>
    <message>
        <source>The frame text's separator could not be read; the usual gap is used.</source>
        <translation>Δεν ήταν δυνατή η ανάγνωση του διαχωριστικού του κειμένου πλαισίου· χρησιμοποιείται το συνηθισμένο κενό.</translation>
    </message>
    <message>
        <source>The page is %1 x %2 pixels, larger than any paper.</source>
        <translation>Η σελίδα είναι %1 x %2 εικονοστοιχεία, μεγαλύτερη από κάθε χαρτί.</translation>
    </message>
    <message>
        <source>The list of names could not be read; the design opens without it.</source>
        <translation>Δεν ήταν δυνατή η ανάγνωση της λίστας ονομάτων· το σχέδιο ανοίγει χωρίς αυτήν.</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerBorderSetting</name>
    <message>
        <source>Drawn at size %1: the most a thin strip holds.</source>
        <translation>Σχεδιάζεται σε μέγεθος %1: το μέγιστο για λεπτή λωρίδα.</translation>
    </message>
    <message>
        <source>Drawn at size %1: the most a thick strip holds.</source>
        <translation>Σχεδιάζεται σε μέγεθος %1: το μέγιστο για χοντρή λωρίδα.</translation>
    </message>
    <message>
        <source>Between repeats:</source>
        <translation>Μεταξύ επαναλήψεων:</translation>
    </message>
    <message>
        <source>two spaces</source>
        <translation>δύο κενά</translation>
    </message>
    <message>
        <source>What stands between repeats of the text, along the frame and on the strips, for example " · ". Empty: a gap of two spaces.</source>
        <translation>Ό,τι μπαίνει ανάμεσα στις επαναλήψεις του κειμένου, κατά μήκος του πλαισίου και στις λωρίδες, για παράδειγμα « · ». Κενό: διάστημα δύο κενών.</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Όλα τα αρχεία</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Μέγεθος</translation>
    </message>
    <message>
        <source>No side of this frame holds the whole text at this size: choose a smaller size or a shorter text.</source>
        <translation>Καμία πλευρά αυτού του πλαισίου δεν χωράει ολόκληρο το κείμενο σε αυτό το μέγεθος: επιλέξτε μικρότερο μέγεθος ή συντομότερο κείμενο.</translation>
    </message>
    <message>
        <source>Names…</source>
        <translation>Ονόματα…</translation>
    </message>
    <message>
        <source>A list of names, one for each insert, each in place of the frame text</source>
        <translation>Μια λίστα ονομάτων, ένα για κάθε ένθετο, στη θέση του κειμένου του πλαισίου</translation>
    </message>
    <message>
        <source>Names: %1. Each insert takes one of them in place of the frame text; the first is shown here.</source>
        <translation>Ονόματα: %1. Κάθε ένθετο παίρνει ένα από αυτά στη θέση του κειμένου του πλαισίου· εδώ εμφανίζεται το πρώτο.</translation>
    </message>
    <message>
        <source>Names (%1)…</source>
        <translation>Ονόματα (%1)…</translation>
    </message>
</context>
<context>
    <name>LMMainWidget</name>
    <message>
        <source>Detail</source>
        <translation>Λεπτομέρεια</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Τυπική</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>Υψηλή</translation>
    </message>
    <message>
        <source>Fine draws the page at about 300 dpi, sharp in print; Standard at 76 dpi, as older designs are.</source>
        <translation>Η Υψηλή σχεδιάζει τη σελίδα σε περίπου 300 dpi, καθαρή στην εκτύπωση· η Τυπική σε 76 dpi, όπως τα παλαιότερα σχέδια.</translation>
    </message>
    <message>
        <source>Print Preview…</source>
        <translation>Προεπισκόπηση…</translation>
    </message>
    <message>
        <source>Export as PDF…</source>
        <translation>Εξαγωγή σε PDF…</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Εξαγωγή σε PDF</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>Έγγραφο PDF</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>Moves the whole printout, for printers that shift the page</source>
        <translation>Μετακινεί ολόκληρη την εκτύπωση, για εκτυπωτές που μετατοπίζουν τη σελίδα</translation>
    </message>
    <message>
        <source>Lumetra ended without saving a design you were working on. A copy of it was kept at %1.

Restore it?</source>
        <translation>Το Lumetra τερματίστηκε χωρίς να αποθηκεύσει ένα σχέδιο στο οποίο εργαζόσασταν. Ένα αντίγραφό του κρατήθηκε στις %1.

Επαναφορά του;</translation>
    </message>
    <message>
        <source>Lumetra File and pictures</source>
        <translation>Αρχεία Lumetra και εικόνες</translation>
    </message>
    <message>
        <source>Lumetra File</source>
        <translation>Αρχείο Lumetra</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Όλα τα αρχεία</translation>
    </message>
    <message>
        <source>Add text along an arc: drag a field, then type. The letters follow an arc over the field's top, and the field widens to hold them all.</source>
        <translation>Προσθήκη κειμένου σε τόξο: σύρετε ένα πεδίο και πληκτρολογήστε. Τα γράμματα ακολουθούν ένα τόξο πάνω από το πεδίο, και το πεδίο πλαταίνει ώστε να χωρούν όλα.</translation>
    </message>
    <message>
        <source>%1 per sheet, 1 sheet</source>
        <translation>%1 ανά φύλλο, 1 φύλλο</translation>
    </message>
    <message>
        <source>%1 per sheet, %2 sheets</source>
        <translation>%1 ανά φύλλο, %2 φύλλα</translation>
    </message>
    <message>
        <source>One insert, one sheet</source>
        <translation>Ένα ένθετο, ένα φύλλο</translation>
    </message>
    <message>
        <source>%1 inserts, one per sheet</source>
        <translation>%1 ένθετα, ένα ανά φύλλο</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Φύλλο</translation>
    </message>
    <message>
        <source>One insert per sheet</source>
        <translation>Ένα ένθετο ανά φύλλο</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerArtFrameSetting</name>
    <message>
        <source>Rotate</source>
        <translation>Περιστροφή</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerTextSetting</name>
    <message>
        <source>Rotate Text</source>
        <translation>Περιστροφή κειμένου</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerPaddingSetting</name>
    <message>
        <source> Inch</source>
        <translation> ίντσες</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>%1: from 0 to %2 on this paper.</source>
        <translation>%1: από 0 έως %2 σε αυτό το χαρτί.</translation>
    </message>
</context>
<context>
    <name>LMFiles</name>
    <message>
        <source>The picture is %1 x %2 pixels; Lumetra opens pictures of up to %3 megapixels.</source>
        <translation>Η εικόνα είναι %1 x %2 εικονοστοιχεία· το Lumetra ανοίγει εικόνες έως %3 megapixel.</translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>Εικόνα bitmap</translation>
    </message>
    <message>
        <source>Lumetra writes no "%1" images.</source>
        <translation>Το Lumetra δεν γράφει εικόνες «%1».</translation>
    </message>
</context>
<context>
    <name>LMPrinting</name>
    <message>
        <source>The printer could not be started.</source>
        <translation>Δεν ήταν δυνατή η εκκίνηση του εκτυπωτή.</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>Δεν ήταν δυνατή η εγγραφή του %1.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>Δεν ήταν δυνατή η εγγραφή του %1: %2</translation>
    </message>
    <message>
        <source>The printer reported an error; the page may not have been printed.</source>
        <translation>Ο εκτυπωτής ανέφερε σφάλμα· η σελίδα ίσως δεν εκτυπώθηκε.</translation>
    </message>
    <message>
        <source>The sheet is too small for one insert within its margins.</source>
        <translation>Το φύλλο είναι πολύ μικρό για ένα ένθετο μέσα στα περιθώριά του.</translation>
    </message>
</context>
<context>
    <name>LMCommandLine</name>
    <message>
        <source>%1: this file name is not valid UTF-8, so Lumetra can not open or write that file; rename it</source>
        <translation>%1: αυτό το όνομα αρχείου δεν είναι έγκυρο UTF-8, οπότε το Lumetra δεν μπορεί να ανοίξει ή να γράψει το αρχείο· μετονομάστε το</translation>
    </message>
    <message>
        <source>not a file type Lumetra writes: end the name in .lmx, .pdf, .png, .jpg, .bmp, .tiff ...</source>
        <translation>δεν είναι τύπος αρχείου που γράφει το Lumetra: τελειώστε το όνομα σε .lmx, .pdf, .png, .jpg, .bmp, .tiff ...</translation>
    </message>
    <message>
        <source>Lumetra %1 is available (this is %2)</source>
        <translation>Το Lumetra %1 είναι διαθέσιμο (αυτό είναι το %2)</translation>
    </message>
    <message>
        <source>Lumetra %1 is the latest version</source>
        <translation>Το Lumetra %1 είναι η τελευταία έκδοση</translation>
    </message>
    <message>
        <source>update check failed: %1</source>
        <translation>ο έλεγχος ενημερώσεων απέτυχε: %1</translation>
    </message>
    <message>
        <source>the list of names could not be read: %1</source>
        <translation>η λίστα ονομάτων δεν ήταν δυνατό να διαβαστεί: %1</translation>
    </message>
    <message>
        <source>the list of names is not UTF-8 text; save it as UTF-8</source>
        <translation>η λίστα ονομάτων δεν είναι κείμενο UTF-8· αποθηκεύστε τη ως UTF-8</translation>
    </message>
    <message>
        <source>the list of names holds no name</source>
        <translation>η λίστα ονομάτων δεν περιέχει κανένα όνομα</translation>
    </message>
    <message>
        <source>the design shows no frame text, so no name would show; switch its frame and frame text on</source>
        <translation>το σχέδιο δεν δείχνει κείμενο πλαισίου, άρα κανένα όνομα δεν θα φαινόταν· ενεργοποιήστε το πλαίσιο και το κείμενο πλαισίου</translation>
    </message>
</context>
<context>
    <name>LMUpdateTexts</name>
    <message>
        <source>Please Click 'Check' button for checking version</source>
        <translation>Πατήστε «Έλεγχος» για να αναζητήσετε νέα έκδοση</translation>
    </message>
    <message>
        <source>Logged onto server.</source>
        <translation>Έγινε σύνδεση στον διακομιστή.</translation>
    </message>
    <message>
        <source>Downloaded %1.</source>
        <translation>Λήφθηκε το %1.</translation>
    </message>
    <message>
        <source>The installer %1 could not be started. Lumetra keeps running.</source>
        <translation>Δεν ήταν δυνατή η εκκίνηση του προγράμματος εγκατάστασης %1. Το Lumetra συνεχίζει να λειτουργεί.</translation>
    </message>
    <message>
        <source>The update was cancelled; your work is still open.</source>
        <translation>Η ενημέρωση ακυρώθηκε· η εργασία σας παραμένει ανοιχτή.</translation>
    </message>
    <message>
        <source>No update server is set up for this installation.</source>
        <translation>Δεν έχει οριστεί διακομιστής ενημερώσεων για αυτήν την εγκατάσταση.</translation>
    </message>
    <message>
        <source>The update server's address is not a valid ftp:// address.</source>
        <translation>Η διεύθυνση του διακομιστή ενημερώσεων δεν είναι έγκυρη διεύθυνση ftp://.</translation>
    </message>
    <message>
        <source>The update server refused the login.</source>
        <translation>Ο διακομιστής ενημερώσεων απέρριψε τη σύνδεση.</translation>
    </message>
    <message>
        <source>%1 is not on the update server.</source>
        <translation>Το %1 δεν υπάρχει στον διακομιστή ενημερώσεων.</translation>
    </message>
    <message>
        <source>The update server's certificate is not trusted.</source>
        <translation>Το πιστοποιητικό του διακομιστή ενημερώσεων δεν είναι αξιόπιστο.</translation>
    </message>
    <message>
        <source>The transfer of %1 broke off.</source>
        <translation>Η μεταφορά του %1 διακόπηκε.</translation>
    </message>
    <message>
        <source>%1 arrived incomplete and was deleted.</source>
        <translation>Το %1 έφτασε ελλιπές και διαγράφηκε.</translation>
    </message>
    <message>
        <source>The update server stopped answering.</source>
        <translation>Ο διακομιστής ενημερώσεων σταμάτησε να αποκρίνεται.</translation>
    </message>
    <message>
        <source>Unable to save the file %1.</source>
        <translation>Δεν είναι δυνατή η αποθήκευση του αρχείου %1.</translation>
    </message>
    <message>
        <source>Canceled download of %1.</source>
        <translation>Η λήψη του %1 ακυρώθηκε.</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ναι</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>Ό&amp;χι</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>Permission denied</source>
        <translation>Δεν επιτρέπεται η πρόσβαση</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Δεν υπάρχει τέτοιο αρχείο ή φάκελος</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Δεν υπάρχει χώρος στη συσκευή</translation>
    </message>
</context>
<context>
    <name>LMSaveDialog</name>
    <message>
        <source>Untitled</source>
        <translation>Χωρίς τίτλο</translation>
    </message>
</context>
<context>
    <name>LMFileDialog</name>
    <message>
        <source>All pictures</source>
        <translation>Όλες οι εικόνες</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Όλα τα αρχεία</translation>
    </message>
</context>
<context>
    <name>LMUnits</name>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>in</source>
        <translation>in</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerDashedLineRectangle</name>
    <message>
        <source>x %1  y %2   %3 × %4 %5</source>
        <translation>x %1  y %2   %3 × %4 %5</translation>
    </message>
</context>
<context>
    <name>ArtFrameButton</name>
    <message>
        <source>%1: %2 × %3 %4</source>
        <translation>%1: %2 × %3 %4</translation>
    </message>
</context>
<context>
    <name>LMNamesDialog</name>
    <message>
        <source>Names</source>
        <translation>Ονόματα</translation>
    </message>
    <message>
        <source>One name per line. Each name takes the frame text's place on an insert of its own.</source>
        <translation>Ένα όνομα ανά γραμμή. Κάθε όνομα παίρνει τη θέση του κειμένου του πλαισίου σε δικό του ένθετο.</translation>
    </message>
    <message numerus="yes">
        <source>%n names</source>
        <translation>
            <numerusform>%n όνομα</numerusform>
            <numerusform>%n ονόματα</numerusform>
        </translation>
    </message>
    <message>
        <source>The file %1 is not UTF-8 text. Save it as UTF-8 (for a spreadsheet: CSV UTF-8) and load it again.</source>
        <translation>Το αρχείο %1 δεν είναι κείμενο UTF-8. Αποθηκεύστε το ως UTF-8 (σε υπολογιστικό φύλλο: CSV UTF-8) και φορτώστε το ξανά.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read.</source>
        <translation>Δεν είναι δυνατή η ανάγνωση του αρχείου %1.</translation>
    </message>
    <message>
        <source>Lists of names</source>
        <translation>Λίστες ονομάτων</translation>
    </message>
</context>
</TS>
