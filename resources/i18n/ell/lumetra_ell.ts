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
        <source>No side of this frame holds the whole text at this size: choose a smaller size or a shorter text.</source>
        <translation>Καμία πλευρά αυτού του πλαισίου δεν χωράει ολόκληρο το κείμενο σε αυτό το μέγεθος: επιλέξτε μικρότερο μέγεθος ή συντομότερο κείμενο.</translation>
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
</context>
</TS>
