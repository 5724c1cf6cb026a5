<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Velmar</name>
    <message>
        <source>Radio &amp;Options</source>
        <translation>&amp;Opcje radiotelefonu</translation>
    </message>
    <message>
        <source>Radio Options</source>
        <translation>Opcje radiotelefonu</translation>
    </message>
    <message>
        <source>What each option of the radio is. The texts in quotes are the dialog&apos;s own; the radio stores each choice as one code.</source>
        <translation>Co oznacza każda opcja radiotelefonu. Teksty w cudzysłowie pochodzą z samego okna dialogowego; radiotelefon zapisuje każdy wybór jako jeden kod.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Otwórz…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Ostatnio otwie&amp;rane</translation>
    </message>
    <message>
        <source>Sent…</source>
        <translation>Wysłane…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Zapisz &amp;jako…</translation>
    </message>
    <message>
        <source>&amp;Import Channels (CSV)…</source>
        <translation>&amp;Importuj kanały (CSV)…</translation>
    </message>
    <message>
        <source>&amp;Export Channels (CSV)…</source>
        <translation>&amp;Eksportuj kanały (CSV)…</translation>
    </message>
    <message>
        <source>Propert&amp;ies…</source>
        <translation>Właś&amp;ciwości…</translation>
    </message>
    <message>
        <source>Export Channel Car&amp;d…</source>
        <translation>Eksportuj &amp;kartę kanałów…</translation>
    </message>
    <message>
        <source>&amp;Print Channel Card…</source>
        <translation>&amp;Drukuj kartę kanałów…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Wyjdź</translation>
    </message>
    <message>
        <source>&amp;Port</source>
        <translation>&amp;Port</translation>
    </message>
    <message>
        <source>&amp;Radio</source>
        <translation>&amp;Radiotelefon</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>&amp;Połącz</translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation>&amp;Rozłącz</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>&amp;Wyślij</translation>
    </message>
    <message>
        <source>&amp;Other Device…</source>
        <translation>&amp;Inne urządzenie…</translation>
    </message>
    <message>
        <source>&amp;Find My Cable…</source>
        <translation>&amp;Znajdź mój kabel…</translation>
    </message>
    <message>
        <source>&amp;Channels</source>
        <translation>&amp;Kanały</translation>
    </message>
    <message>
        <source>&amp;Fill Group with</source>
        <translation>&amp;Wypełnij grupę planem</translation>
    </message>
    <message>
        <source>&amp;Clear Group</source>
        <translation>Wy&amp;czyść grupę</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nowy</translation>
    </message>
    <message>
        <source>Co&amp;mpare With…</source>
        <translation>&amp;Porównaj z…</translation>
    </message>
    <message>
        <source>Compare With &amp;Last Sent</source>
        <translation>Porównaj z &amp;ostatnio wysłanym</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ponów</translation>
    </message>
    <message>
        <source>&amp;Copy Group</source>
        <translation>&amp;Kopiuj grupę</translation>
    </message>
    <message>
        <source>&amp;Paste Group</source>
        <translation>&amp;Wklej grupę</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <source>&amp;All Channels</source>
        <translation>&amp;Wszystkie kanały</translation>
    </message>
    <message>
        <source>&amp;Messages</source>
        <translation>&amp;Komunikaty</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Komunikaty</translation>
    </message>
    <message>
        <source>&amp;Copy All</source>
        <translation>&amp;Kopiuj wszystko</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Zastąp</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importuj</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Przywróć</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>Pó&amp;źniej</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>&amp;Nadpisz</translation>
    </message>
    <message>
        <source>&amp;Merge into the file&apos;s Locations</source>
        <translation>&amp;Scal z pozycjami pliku</translation>
    </message>
    <message>
        <source>Replace &amp;all channels</source>
        <translation>Zastąp &amp;wszystkie kanały</translation>
    </message>
    <message>
        <source>Velmar settings (*.velmar)</source>
        <translation>Ustawienia Velmar (*.velmar)</translation>
    </message>
    <message>
        <source>Channel lists (*.csv)</source>
        <translation>Listy kanałów (*.csv)</translation>
    </message>
    <message>
        <source>Open Setting</source>
        <translation>Otwórz ustawienie</translation>
    </message>
    <message>
        <source>Save Setting As</source>
        <translation>Zapisz ustawienie jako</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>Importuj kanały</translation>
    </message>
    <message>
        <source>Export Channels</source>
        <translation>Eksportuj kanały</translation>
    </message>
    <message>
        <source>Open a Sent Setting</source>
        <translation>Otwórz wysłane ustawienie</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Dokumenty PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Export Channel Card</source>
        <translation>Eksportuj kartę kanałów</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Właściwości</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Tytuł:</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>&amp;Notatki:</translation>
    </message>
    <message>
        <source>The title, the notes and the channels&apos; names travel with the setting file and go on the channel card; the radio does not store them.</source>
        <translation>Tytuł, notatki i nazwy kanałów są zapisywane w pliku ustawienia i trafiają na kartę kanałów; radiotelefon ich nie przechowuje.</translation>
    </message>
    <message>
        <source>Channel card</source>
        <translation>Karta kanałów</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notatki</translation>
    </message>
    <message>
        <source>No channel has a frequency.</source>
        <translation>Żaden kanał nie ma częstotliwości.</translation>
    </message>
    <message>
        <source>In this mode the radio uses its own channels: the groups below are not in use until &quot;GRUOP&quot; is chosen.</source>
        <translation>W tym trybie radiotelefon używa własnych kanałów: poniższe grupy są używane dopiero po wybraniu „GRUOP”.</translation>
    </message>
    <message>
        <source>Disconnect to change the port: the port in use stays until then.</source>
        <translation>Rozłącz, aby zmienić port: do tego czasu pozostaje używany port.</translation>
    </message>
    <message>
        <source>Other Device</source>
        <translation>Inne urządzenie</translation>
    </message>
    <message>
        <source>The device COM1 stands for (a serial device, a pseudo-terminal or a link to one):</source>
        <translation>Urządzenie, którym jest COM1 (urządzenie szeregowe, pseudoterminal lub dowiązanie do niego):</translation>
    </message>
    <message>
        <source>Find My Cable</source>
        <translation>Znajdź mój kabel</translation>
    </message>
    <message>
        <source>built-in</source>
        <translation>wbudowany</translation>
    </message>
    <message>
        <source>open</source>
        <translation>otwarty</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>zamknięty</translation>
    </message>
    <message>
        <source>open, the line hung up</source>
        <translation>otwarty, linia została rozłączona</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Send progress</source>
        <translation>Postęp wysyłania</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Wysyłanie</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Połączenie</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Odebrane</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Uwaga</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Wskazówka</translation>
    </message>
    <message>
        <source>Closing after the Send…</source>
        <translation>Zamykanie po wysłaniu…</translation>
    </message>
    <message>
        <source>PMR, LPD and PMR + LPD use the radio&apos;s own channels: choose &quot;GRUOP&quot; to program the groups.</source>
        <translation>PMR, LPD i PMR + LPD używają własnych kanałów radiotelefonu: wybierz „GRUOP”, aby zaprogramować grupy.</translation>
    </message>
    <message>
        <source>The channels are programmed in the &quot;GRUOP&quot; mode.</source>
        <translation>Kanały programuje się w trybie „GRUOP”.</translation>
    </message>
    <message>
        <source>All Channels</source>
        <translation>Wszystkie kanały</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupa</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>Kanał</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Częstotliwość</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Odstęp</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>Plan</translation>
    </message>
    <message>
        <source>Same as</source>
        <translation>Taki sam jak</translation>
    </message>
    <message>
        <source>Chec&amp;k Setting</source>
        <translation>Sp&amp;rawdź ustawienie</translation>
    </message>
    <message>
        <source>Check Setting</source>
        <translation>Sprawdź ustawienie</translation>
    </message>
    <message>
        <source>Nothing to warn of: every channel is a PMR446 or LPD433 channel in a group of its spacing, and no group holds a frequency twice.</source>
        <translation>Brak ostrzeżeń: każdy kanał jest kanałem PMR446 lub LPD433 w grupie o jego odstępie i żadna grupa nie zawiera dwa razy tej samej częstotliwości.</translation>
    </message>
    <message>
        <source>Nothing to check: in this mode the radio uses its own channels, not the groups.</source>
        <translation>Nie ma czego sprawdzać: w tym trybie radiotelefon używa własnych kanałów, a nie grup.</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Porównaj z</translation>
    </message>
    <message>
        <source>No Send the radio could have taken has been kept yet: the history of sent settings holds none.</source>
        <translation>Nie zachowano jeszcze żadnego wysłania, które radiotelefon mógłby przyjąć: historia wysłanych ustawień jest pusta.</translation>
    </message>
</context>
</TS>
