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
    <message>
        <source>Which channels the radio uses. &quot;PMR&quot;, &quot;LPD&quot; and &quot;PMR + LPD&quot; use the radio&apos;s own PMR446 channels, LPD433 channels or both; &quot;GRUOP&quot; (group) uses the eight groups of eight channels programmed here, and only it opens the channel edits.</source>
        <translation>Których kanałów używa radiotelefon. „PMR”, „LPD” i „PMR + LPD” używają własnych kanałów PMR446, kanałów LPD433 lub obu rodzajów; „GRUOP” (grupa) używa zaprogramowanych tutaj ośmiu grup po osiem kanałów i tylko ten tryb otwiera pola kanałów.</translation>
    </message>
    <message>
        <source>The group shown in CH1 to CH8. The radio holds eight groups, A to H, of eight channels each; every group is sent, not only the one shown.</source>
        <translation>Grupa pokazana w polach CH1–CH8. Radiotelefon ma osiem grup, od A do H, po osiem kanałów każda; wysyłane są wszystkie grupy, nie tylko pokazana.</translation>
    </message>
    <message>
        <source>The channel spacing of the group shown, each group its own: &quot;12.5Khz&quot; (narrow, as PMR446 channels are) or &quot;25Khz&quot; (wide, as LPD433 channels are spaced).</source>
        <translation>Odstęp międzykanałowy pokazanej grupy, osobny dla każdej grupy: „12.5Khz” (wąski, jak kanały PMR446) lub „25Khz” (szeroki, jak odstęp kanałów LPD433).</translation>
    </message>
    <message>
        <source>Scan delay: in the usual radio term, how long a scan stays on a busy channel before it goes on. &quot;OFF&quot;, or 1 to 60 seconds.</source>
        <translation>Opóźnienie skanowania: w zwykłym znaczeniu tego terminu, jak długo skanowanie zatrzymuje się na zajętym kanale, zanim pójdzie dalej. „OFF” lub od 1 do 60 sekund.</translation>
    </message>
    <message>
        <source>A time for the PTT (push-to-talk) key: &quot;OFF&quot;, or 5 to 60 seconds. What the radio times with it is not documented.</source>
        <translation>Czas dla przycisku nadawania (PTT): „OFF” lub od 5 do 60 sekund. Co radiotelefon nim odmierza, nie jest udokumentowane.</translation>
    </message>
    <message>
        <source>Busy channel lock-out, in the usual radio term: the radio does not transmit on a channel in use. &quot;OFF&quot;, &quot;CA On&quot;, &quot;CT On&quot; or &quot;DT On&quot;; what each of the last three judges a channel busy by is not documented.</source>
        <translation>Blokada zajętego kanału (BCLO), w zwykłym znaczeniu tego terminu: radiotelefon nie nadaje na kanale, który jest zajęty. „OFF”, „CA On”, „CT On” lub „DT On”; po czym każdy z trzech ostatnich rozpoznaje zajęty kanał, nie jest udokumentowane.</translation>
    </message>
    <message>
        <source>Transmit time-out timer (TOT): the longest the radio transmits for one press of the PTT key. &quot;OFF&quot;, or 15 to 240 seconds.</source>
        <translation>Ogranicznik czasu nadawania (TOT): najdłuższy czas nadawania przy jednym naciśnięciu przycisku PTT. „OFF” lub od 15 do 240 sekund.</translation>
    </message>
    <message>
        <source>VOX (voice-operated transmit): how long a voice must be heard before the radio starts to transmit. 0 to 200 milliseconds.</source>
        <translation>VOX (nadawanie sterowane głosem): jak długo głos musi być słyszany, zanim radiotelefon zacznie nadawać. Od 0 do 200 milisekund.</translation>
    </message>
    <message>
        <source>VOX (voice-operated transmit): how long the radio goes on transmitting after the voice stops. 0.5 to 2.0 seconds.</source>
        <translation>VOX (nadawanie sterowane głosem): jak długo radiotelefon nadaje dalej po ucichnięciu głosu. Od 0,5 do 2,0 sekundy.</translation>
    </message>
    <message>
        <source>How long a key is held to count as a long press: 0.5, 1.0 or 2.0 seconds.</source>
        <translation>Jak długo trzeba przytrzymać przycisk, by liczyło się to jako długie naciśnięcie: 0,5, 1,0 lub 2,0 sekundy.</translation>
    </message>
    <message>
        <source>Battery saving (power save): while the channel is quiet the radio listens only part of the time. The values are the ratios &quot;0.0 : 0.0&quot;, &quot;1.0 : 1.0&quot;, &quot;1.5 : 1.0&quot; and &quot;2.0 : 1.0&quot;; which side of a ratio is the sleep is not documented.</source>
        <translation>Oszczędzanie baterii (power save): gdy kanał jest cichy, radiotelefon nasłuchuje tylko przez część czasu. Wartości to proporcje „0.0 : 0.0”, „1.0 : 1.0”, „1.5 : 1.0” i „2.0 : 1.0”; która strona proporcji oznacza uśpienie, nie jest udokumentowane.</translation>
    </message>
    <message>
        <source>CTCSS, the sub-audible tones PMR446 radios call privacy codes: the set of tones the radio offers. &quot;Disable&quot;, codes &quot;1 - 38&quot; or codes &quot;1 - 50&quot;.</source>
        <translation>CTCSS, podakustyczne tony, które radiotelefony PMR446 nazywają kodami prywatności: zestaw tonów oferowanych przez radiotelefon. „Disable”, kody „1 - 38” lub kody „1 - 50”.</translation>
    </message>
    <message>
        <source>DCS (digital coded squelch): the set of codes the radio offers. &quot;Disable&quot;, codes &quot;1 - 83&quot; or codes &quot;1 - 104&quot;.</source>
        <translation>DCS (cyfrowo kodowana blokada szumów): zestaw kodów oferowanych przez radiotelefon. „Disable”, kody „1 - 83” lub kody „1 - 104”.</translation>
    </message>
    <message>
        <source>&quot;On&quot; or &quot;Off&quot;. What the radio does with it is not documented.</source>
        <translation>„On” lub „Off”. Co radiotelefon z tym robi, nie jest udokumentowane.</translation>
    </message>
    <message>
        <source>&quot;410Mhz&quot; to &quot;490Mhz&quot;, in steps of 10 MHz. What the radio does with this choice is not documented, so Velmar does not judge the channels by it; the channels themselves may be anywhere from 400 to 500 MHz.</source>
        <translation>Od „410Mhz” do „490Mhz”, co 10 MHz. Co radiotelefon robi z tym wyborem, nie jest udokumentowane, dlatego Velmar nie ocenia według niego kanałów; same kanały mogą leżeć w dowolnym miejscu od 400 do 500 MHz.</translation>
    </message>
    <message>
        <source>record of the Send of %1, checksum %2 (stalled: the radio may not have it)</source>
        <translation>zapis wysłania z %1, suma kontrolna %2 (przestój: radiotelefon mógł go nie przyjąć)</translation>
    </message>
    <message>
        <source>record of the Send of %1, checksum %2</source>
        <translation>zapis wysłania z %1, suma kontrolna %2</translation>
    </message>
    <message numerus="yes">
        <source>Unplug the radio&apos;s programming cable now, or plug it in; if it was unplugged, plug it in again. Velmar watches the serial ports for %Ln seconds.</source>
        <comment>Unplug the radio&apos;s programming cable now, or plug it in; if it was unplugged, plug it in again. Velmar watches the serial ports for %Ln second.</comment>
        <translation>
            <numerusform>Odłącz teraz kabel programujący radiotelefonu albo go podłącz; jeśli był odłączony, podłącz go ponownie. Velmar obserwuje porty szeregowe przez %Ln sekundę.</numerusform>
            <numerusform>Odłącz teraz kabel programujący radiotelefonu albo go podłącz; jeśli był odłączony, podłącz go ponownie. Velmar obserwuje porty szeregowe przez %Ln sekundy.</numerusform>
            <numerusform>Odłącz teraz kabel programujący radiotelefonu albo go podłącz; jeśli był odłączony, podłącz go ponownie. Velmar obserwuje porty szeregowe przez %Ln sekund.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (not present now)</source>
        <translation>%1 (teraz nieobecny)</translation>
    </message>
    <message>
        <source>%1 (a pseudo-terminal)</source>
        <translation>%1 (pseudoterminal)</translation>
    </message>
    <message>
        <source>%1 (the simulated radio)</source>
        <translation>%1 (symulowany radiotelefon)</translation>
    </message>
    <message>
        <source>Found the cable: COM1 is now %1</source>
        <translation>Znaleziono kabel: COM1 to teraz %1</translation>
    </message>
    <message numerus="yes">
        <source>Nothing changed: no serial port appeared or came back in %Ln seconds. COM1 stays %1.</source>
        <comment>Nothing changed: no serial port appeared or came back in %Ln second. COM1 stays %1.</comment>
        <translation>
            <numerusform>Nic się nie zmieniło: w ciągu %Ln sekundy nie pojawił się ani nie wrócił żaden port szeregowy. COM1 pozostaje %1.</numerusform>
            <numerusform>Nic się nie zmieniło: w ciągu %Ln sekund nie pojawił się ani nie wrócił żaden port szeregowy. COM1 pozostaje %1.</numerusform>
            <numerusform>Nic się nie zmieniło: w ciągu %Ln sekund nie pojawił się ani nie wrócił żaden port szeregowy. COM1 pozostaje %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 went away and did not come back in %Ln seconds. Plug the cable in and try again. COM1 stays %2.</source>
        <comment>%1 went away and did not come back in %Ln second. Plug the cable in and try again. COM1 stays %2.</comment>
        <translation>
            <numerusform>%1 zniknął i nie wrócił w ciągu %Ln sekundy. Podłącz kabel i spróbuj ponownie. COM1 pozostaje %2.</numerusform>
            <numerusform>%1 zniknął i nie wrócił w ciągu %Ln sekund. Podłącz kabel i spróbuj ponownie. COM1 pozostaje %2.</numerusform>
            <numerusform>%1 zniknął i nie wrócił w ciągu %Ln sekund. Podłącz kabel i spróbuj ponownie. COM1 pozostaje %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>No serial ports are present now.</source>
        <translation>Nie ma teraz żadnych portów szeregowych.</translation>
    </message>
    <message>
        <source>Serial ports present now:</source>
        <translation>Obecne porty szeregowe:</translation>
    </message>
    <message>
        <source>%1 of %2 bytes, %3 s left</source>
        <translation>%1 z %2 bajtów, pozostało %3 s</translation>
    </message>
    <message>
        <source>Sent %1 bytes, checksum %2</source>
        <translation>Wysłano %1 bajtów, suma kontrolna %2</translation>
    </message>
    <message>
        <source>Sent %1 bytes, checksum %2, but %3</source>
        <translation>Wysłano %1 bajtów, suma kontrolna %2, ale %3</translation>
    </message>
    <message>
        <source>Sent %1 of %2 bytes: %3</source>
        <translation>Wysłano %1 z %2 bajtów: %3</translation>
    </message>
    <message>
        <source>Received %1</source>
        <translation>Odebrano: %1</translation>
    </message>
    <message>
        <source>Received %1: %2</source>
        <translation>Odebrano: %1: %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1: %2 completed to %3</source>
        <translation>%1: %2 uzupełniono do %3</translation>
    </message>
    <message>
        <source>%1: %2 is outside 400 to 500 MHz, cleared</source>
        <translation>%1: %2 leży poza zakresem 400–500 MHz, wyczyszczono</translation>
    </message>
    <message>
        <source>%1: %2 moved down to %3 (6.25 kHz steps)</source>
        <translation>%1: %2 zaokrąglono w dół do %3 (kroki 6,25 kHz)</translation>
    </message>
    <message>
        <source>%1: %2 is not a frequency (three digits, a point, five digits), cleared</source>
        <translation>%1: %2 nie jest częstotliwością (trzy cyfry, kropka, pięć cyfr), wyczyszczono</translation>
    </message>
    <message>
        <source>%1 %2 shows &quot;%3&quot;, which is not a frequency that can be sent. Complete it (nine characters, such as 446.10000) or clear it, then try again.</source>
        <translation>%1 %2 pokazuje „%3”, a to nie jest częstotliwość, którą można wysłać. Uzupełnij ją (dziewięć znaków, np. 446.10000) lub wyczyść, a potem spróbuj ponownie.</translation>
    </message>
    <message numerus="yes">
        <source>Please enter no more than %Ln characters.</source>
        <comment>Please enter no more than %Ln character.</comment>
        <translation>
            <numerusform>Wpisz najwyżej %Ln znak.</numerusform>
            <numerusform>Wpisz najwyżej %Ln znaki.</numerusform>
            <numerusform>Wpisz najwyżej %Ln znaków.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %Ln channels. Replace them with %2?</source>
        <comment>%1 holds %Ln channel. Replace it with %2?</comment>
        <translation>
            <numerusform>%1 zawiera %Ln kanał. Zastąpić go przez %2?</numerusform>
            <numerusform>%1 zawiera %Ln kanały. Zastąpić je przez %2?</numerusform>
            <numerusform>%1 zawiera %Ln kanałów. Zastąpić je przez %2?</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 channel %2</source>
        <translation>%1 kanał %2</translation>
    </message>
    <message>
        <source>%1 channels %2–%3</source>
        <translation>%1 kanały %2–%3</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 i %2</translation>
    </message>
    <message>
        <source>%1 are both %2</source>
        <translation>%1 mają tę samą częstotliwość %2</translation>
    </message>
    <message>
        <source>%1 are all %2</source>
        <translation>%1 mają tę samą częstotliwość %2</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln things to look at before a Send; they do not stop it:</source>
        <comment>%Ln thing to look at before a Send; it does not stop it:</comment>
        <translation>
            <numerusform>%Ln rzecz do sprawdzenia przed wysłaniem; nie wstrzymuje wysłania:</numerusform>
            <numerusform>%Ln rzeczy do sprawdzenia przed wysłaniem; nie wstrzymują wysłania:</numerusform>
            <numerusform>%Ln rzeczy do sprawdzenia przed wysłaniem; nie wstrzymują wysłania:</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 is a PMR446 channel, which are 12.5 kHz wide, in a 25Khz group: set %1 to 12.5Khz.</source>
        <translation>%1: %2 to kanał PMR446 (szerokość 12,5 kHz) w grupie 25Khz: ustaw %1 na 12.5Khz.</translation>
    </message>
    <message>
        <source>%1: %2 are PMR446 channels, which are 12.5 kHz wide, in a 25Khz group: set %1 to 12.5Khz.</source>
        <translation>%1: %2 to kanały PMR446 (szerokość 12,5 kHz) w grupie 25Khz: ustaw %1 na 12.5Khz.</translation>
    </message>
    <message>
        <source>%1: %2 is an LPD433 channel, which are 25 kHz wide, in a 12.5Khz group: set %1 to 25Khz.</source>
        <translation>%1: %2 to kanał LPD433 (szerokość 25 kHz) w grupie 12.5Khz: ustaw %1 na 25Khz.</translation>
    </message>
    <message>
        <source>%1: %2 are LPD433 channels, which are 25 kHz wide, in a 12.5Khz group: set %1 to 25Khz.</source>
        <translation>%1: %2 to kanały LPD433 (szerokość 25 kHz) w grupie 12.5Khz: ustaw %1 na 25Khz.</translation>
    </message>
    <message>
        <source>%1: %2 is outside the licence-free channels (PMR446: 446.00625 to 446.19375 MHz; LPD433: 433.07500 to 434.77500 MHz), for information.</source>
        <translation>%1: %2 leży poza kanałami niewymagającymi zezwolenia (PMR446: 446.00625–446.19375 MHz; LPD433: 433.07500–434.77500 MHz), dla informacji.</translation>
    </message>
    <message>
        <source>%1: %2 are outside the licence-free channels (PMR446: 446.00625 to 446.19375 MHz; LPD433: 433.07500 to 434.77500 MHz), for information.</source>
        <translation>%1: %2 leżą poza kanałami niewymagającymi zezwolenia (PMR446: 446.00625–446.19375 MHz; LPD433: 433.07500–434.77500 MHz), dla informacji.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>Before a Send: %1</source>
        <translation>Przed wysłaniem: %1</translation>
    </message>
    <message>
        <source>Before a Send (1 of %1, all in Edit &gt; Check Setting): %2</source>
        <translation>Przed wysłaniem (1 z %1, wszystkie w Edycja &gt; Sprawdź ustawienie): %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 z %2</translation>
    </message>
    <message>
        <source>Channel Spacing of %1</source>
        <translation>Odstęp kanałów %1</translation>
    </message>
    <message>
        <source>Name of %1 of %2</source>
        <translation>Nazwa %1 z %2</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Tytuł</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Zmiany</translation>
    </message>
    <message>
        <source>Fill Group %1</source>
        <translation>Wypełnij grupę %1</translation>
    </message>
    <message>
        <source>Clear Group %1</source>
        <translation>Wyczyść grupę %1</translation>
    </message>
    <message>
        <source>Paste Group %1</source>
        <translation>Wklej grupę %1</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Wklej</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Cofnij: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Ponów: %1</translation>
    </message>
    <message>
        <source>%1 %2: %3 is outside 400 to 500 MHz, not taken</source>
        <translation>%1 %2: %3 leży poza zakresem 400–500 MHz, nie przyjęto</translation>
    </message>
    <message>
        <source>%1 %2: %3 is not a frequency, not taken</source>
        <translation>%1 %2: %3 nie jest częstotliwością, nie przyjęto</translation>
    </message>
    <message>
        <source>%1 %2: %3 moved down to %4 (6.25 kHz steps)</source>
        <translation>%1 %2: %3 zaokrąglono w dół do %4 (kroki 6,25 kHz)</translation>
    </message>
    <message>
        <source>%1 %2: %3 completed to %4</source>
        <translation>%1 %2: %3 uzupełniono do %4</translation>
    </message>
    <message numerus="yes">
        <source>The title has more than %Ln characters: shorten it to keep it.</source>
        <comment>The title has more than %Ln character: shorten it to keep it.</comment>
        <translation>
            <numerusform>Tytuł ma więcej niż %Ln znak: skróć go, aby go zachować.</numerusform>
            <numerusform>Tytuł ma więcej niż %Ln znaki: skróć go, aby go zachować.</numerusform>
            <numerusform>Tytuł ma więcej niż %Ln znaków: skróć go, aby go zachować.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The notes have more than %Ln characters: shorten them to keep them.</source>
        <comment>The notes have more than %Ln character: shorten them to keep them.</comment>
        <translation>
            <numerusform>Notatki mają więcej niż %Ln znak: skróć je, aby je zachować.</numerusform>
            <numerusform>Notatki mają więcej niż %Ln znaki: skróć je, aby je zachować.</numerusform>
            <numerusform>Notatki mają więcej niż %Ln znaków: skróć je, aby je zachować.</numerusform>
        </translation>
    </message>
    <message>
        <source>The title holds a control character: take it out to keep it.</source>
        <translation>Tytuł zawiera znak sterujący: usuń go, aby zachować tytuł.</translation>
    </message>
    <message>
        <source>The notes hold a control character: take it out to keep them.</source>
        <translation>Notatki zawierają znak sterujący: usuń go, aby zachować notatki.</translation>
    </message>
    <message>
        <source>Made %1 with Velmar</source>
        <translation>Utworzono %1 w programie Velmar</translation>
    </message>
    <message>
        <source>Channel card written to %1</source>
        <translation>Kartę kanałów zapisano do %1</translation>
    </message>
    <message>
        <source>there is no font to write it in: install %1 (the fonts-dejavu-core package)</source>
        <translation>brak czcionki, którą można ją zapisać: zainstaluj %1 (pakiet fonts-dejavu-core)</translation>
    </message>
    <message>
        <source>The channel card was not written: %1</source>
        <translation>Karta kanałów nie została zapisana: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 %2: a name has up to %Ln characters, not taken</source>
        <comment>%1 %2: a name has up to %Ln character, not taken</comment>
        <translation>
            <numerusform>%1 %2: nazwa ma najwyżej %Ln znak, nie przyjęto</numerusform>
            <numerusform>%1 %2: nazwa ma najwyżej %Ln znaki, nie przyjęto</numerusform>
            <numerusform>%1 %2: nazwa ma najwyżej %Ln znaków, nie przyjęto</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2: a name holds no control characters, not taken</source>
        <translation>%1 %2: nazwa nie może zawierać znaków sterujących, nie przyjęto</translation>
    </message>
    <message>
        <source>%1 changes from %2 to %3: %4 of its rows say FM, %5 say NFM.</source>
        <translation>%1 zmienia się z %2 na %3: %4 jej wierszy mówi FM, %5 mówi NFM.</translation>
    </message>
    <message>
        <source>%1 changes from %2 to %3: its rows say FM.</source>
        <translation>%1 zmienia się z %2 na %3: jej wiersze mówią FM.</translation>
    </message>
    <message>
        <source>%1 changes from %2 to %3: its rows say NFM.</source>
        <translation>%1 zmienia się z %2 na %3: jej wiersze mówią NFM.</translation>
    </message>
    <message>
        <source>identical: this is what the radio got at %1</source>
        <translation>identyczne: to otrzymał radiotelefon %1</translation>
    </message>
    <message>
        <source>identical: the setting shown is %1</source>
        <translation>identyczne: pokazane ustawienie to %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln differences from %1 to the setting shown: see the details.</source>
        <comment>%Ln difference from %1 to the setting shown: see the details.</comment>
        <translation>
            <numerusform>%Ln różnica między %1 a pokazanym ustawieniem: zobacz szczegóły.</numerusform>
            <numerusform>%Ln różnice między %1 a pokazanym ustawieniem: zobacz szczegóły.</numerusform>
            <numerusform>%Ln różnic między %1 a pokazanym ustawieniem: zobacz szczegóły.</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>%1: %2 → %3</source>
        <translation>%1: %2 → %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>puste</translation>
    </message>
    <message>
        <source>%1 %2 name</source>
        <translation>%1 %2 nazwa</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>Otwarto %1</translation>
    </message>
    <message>
        <source>Opened a copy of %1: Save asks for a new file</source>
        <translation>Otwarto kopię %1: Zapisz zapyta o nowy plik</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Zapisano %1</translation>
    </message>
    <message>
        <source>Channels exported to %1</source>
        <translation>Kanały wyeksportowano do %1</translation>
    </message>
    <message>
        <source>The setting has changes that are not saved. Save them?</source>
        <translation>Ustawienie ma niezapisane zmiany. Zapisać je?</translation>
    </message>
    <message>
        <source>%1 has changes that are not saved. Save them?</source>
        <translation>%1 ma niezapisane zmiany. Zapisać je?</translation>
    </message>
    <message>
        <source>%1 was changed by another program since Velmar opened or saved it. Overwrite those changes with the setting shown, or save it as another file?</source>
        <translation>Inny program zmienił %1, odkąd Velmar go otworzył lub zapisał. Nadpisać te zmiany pokazanym ustawieniem czy zapisać je jako inny plik?</translation>
    </message>
    <message>
        <source>%1 is a channel list (CSV), not a setting file. Import its channels into the setting shown?</source>
        <translation>%1 to lista kanałów (CSV), a nie plik ustawienia. Zaimportować jej kanały do pokazanego ustawienia?</translation>
    </message>
    <message>
        <source>Not remembered: %1</source>
        <translation>Nie zapamiętano: %1</translation>
    </message>
    <message>
        <source>No recent files: %1</source>
        <translation>Brak ostatnich plików: %1</translation>
    </message>
    <message>
        <source>Not kept in the history of sent settings: %1</source>
        <translation>Nie zachowano w historii wysłanych ustawień: %1</translation>
    </message>
    <message>
        <source>Unsaved changes not kept against a crash: %1</source>
        <translation>Niezapisane zmiany nie są zabezpieczone przed awarią: %1</translation>
    </message>
    <message>
        <source>no channels</source>
        <translation>brak kanałów</translation>
    </message>
    <message numerus="yes">
        <source>%Ln channels in 1 group</source>
        <comment>%Ln channel in 1 group</comment>
        <translation>
            <numerusform>%Ln kanał w 1 grupie</numerusform>
            <numerusform>%Ln kanały w 1 grupie</numerusform>
            <numerusform>%Ln kanałów w 1 grupie</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln channels in %1 groups</source>
        <comment>%Ln channel in %1 groups</comment>
        <translation>
            <numerusform>%Ln kanał w %1 grupach</numerusform>
            <numerusform>%Ln kanały w %1 grupach</numerusform>
            <numerusform>%Ln kanałów w %1 grupach</numerusform>
        </translation>
    </message>
    <message>
        <source>Velmar ended at %1 without saving the changes to a setting (%2). Restore them?</source>
        <translation>Velmar zakończył działanie o %1 bez zapisania zmian w ustawieniu (%2). Przywrócić je?</translation>
    </message>
    <message>
        <source>Velmar ended at %1 without saving the changes to %2 (%3). Restore them?</source>
        <translation>Velmar zakończył działanie o %1 bez zapisania zmian w %2 (%3). Przywrócić je?</translation>
    </message>
    <message>
        <source>(%1 of %2 windows) %3</source>
        <translation>(%1 z %2 okien) %3</translation>
    </message>
    <message>
        <source>Restored the unsaved changes to a setting</source>
        <translation>Przywrócono niezapisane zmiany w ustawieniu</translation>
    </message>
    <message>
        <source>Restored the unsaved changes to %1</source>
        <translation>Przywrócono niezapisane zmiany w %1</translation>
    </message>
    <message>
        <source>%1: permission denied. Your user must be in the group that owns the device, &quot;%2&quot; (for example: sudo usermod -aG %2 $USER), and log in again.</source>
        <translation>%1: odmowa dostępu. Twój użytkownik musi należeć do grupy, do której należy urządzenie, „%2” (na przykład: sudo usermod -aG %2 $USER), i zalogować się ponownie.</translation>
    </message>
    <message>
        <source>%1: permission denied. Only root may open this device. Ask the administrator for a udev rule that gives it to the group &quot;dialout&quot; (for example a file /etc/udev/rules.d/50-velmar.rules with the line %2), join that group (sudo usermod -aG dialout $USER) and log in again.</source>
        <translation>%1: odmowa dostępu. Tylko root może otworzyć to urządzenie. Poproś administratora o regułę udev, która przydzieli je grupie „dialout” (na przykład plik /etc/udev/rules.d/50-velmar.rules z wierszem %2), dołącz do tej grupy (sudo usermod -aG dialout $USER) i zaloguj się ponownie.</translation>
    </message>
    <message>
        <source>%1: permission denied. The device belongs to the group &quot;%2&quot;, which gives its members much more than this device: do not join it. Ask the administrator for a udev rule that gives it to the group &quot;dialout&quot; (for example a file /etc/udev/rules.d/50-velmar.rules with the line %3), join that group (sudo usermod -aG dialout $USER) and log in again.</source>
        <translation>%1: odmowa dostępu. Urządzenie należy do grupy „%2”, która daje swoim członkom znacznie więcej niż to urządzenie: nie dołączaj do niej. Poproś administratora o regułę udev, która przydzieli je grupie „dialout” (na przykład plik /etc/udev/rules.d/50-velmar.rules z wierszem %3), dołącz do tej grupy (sudo usermod -aG dialout $USER) i zaloguj się ponownie.</translation>
    </message>
    <message>
        <source>it is open in this program</source>
        <translation>jest otwarte w tym programie</translation>
    </message>
    <message>
        <source>another program holds it</source>
        <translation>trzyma je inny program</translation>
    </message>
    <message>
        <source>the port is not open</source>
        <translation>port nie jest otwarty</translation>
    </message>
    <message>
        <source>0 baud is not a speed</source>
        <translation>0 bodów to nie jest prędkość</translation>
    </message>
    <message>
        <source>%1 baud is not a speed this system can set</source>
        <translation>%1 bodów to nie jest prędkość, którą ten system może ustawić</translation>
    </message>
    <message>
        <source>%1 data bits are not possible (5 to 8 are)</source>
        <translation>%1 bitów danych nie jest możliwe (możliwe jest od 5 do 8)</translation>
    </message>
    <message>
        <source>one and a half stop bits are not available on this system</source>
        <translation>półtora bitu stopu nie jest dostępne w tym systemie</translation>
    </message>
    <message>
        <source>stop-bits code %1 is unknown (0 = one, 2 = two)</source>
        <translation>kod bitów stopu %1 jest nieznany (0 = jeden, 2 = dwa)</translation>
    </message>
    <message>
        <source>parity code %1 is unknown (0 to 4 are)</source>
        <translation>kod parzystości %1 jest nieznany (znane są od 0 do 4)</translation>
    </message>
    <message>
        <source>the driver did not keep %1 baud</source>
        <translation>sterownik nie zachował %1 bodów</translation>
    </message>
    <message>
        <source>the driver did not keep %1 data bits</source>
        <translation>sterownik nie zachował %1 bitów danych</translation>
    </message>
    <message>
        <source>the driver did not keep the stop bits</source>
        <translation>sterownik nie zachował bitów stopu</translation>
    </message>
    <message>
        <source>the driver did not keep parity code %1</source>
        <translation>sterownik nie zachował kodu parzystości %1</translation>
    </message>
    <message>
        <source>the driver did not turn flow control off</source>
        <translation>sterownik nie wyłączył sterowania przepływem</translation>
    </message>
    <message>
        <source>the driver did not keep raw mode</source>
        <translation>sterownik nie zachował trybu surowego</translation>
    </message>
    <message>
        <source>no watch thread could be started</source>
        <translation>nie udało się uruchomić wątku nadzoru</translation>
    </message>
    <message>
        <source>%1: no such device (%2).</source>
        <translation>%1: nie ma takiego urządzenia (%2).</translation>
    </message>
    <message>
        <source>%1 is busy: %2.</source>
        <translation>%1 jest zajęte: %2.</translation>
    </message>
    <message>
        <source>%1 is busy: another program holds it. Close that program and connect again.</source>
        <translation>%1 jest zajęte: trzyma je inny program. Zamknij ten program i połącz ponownie.</translation>
    </message>
    <message>
        <source>%1 is not a serial device.</source>
        <translation>%1 nie jest urządzeniem szeregowym.</translation>
    </message>
    <message>
        <source>%1: the line settings were refused: %2.</source>
        <translation>%1: odrzucono ustawienia linii: %2.</translation>
    </message>
    <message>
        <source>%1 could not be opened: the system is out of resources (%2).</source>
        <translation>Nie można otworzyć %1: systemowi brakuje zasobów (%2).</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2.</source>
        <translation>Nie można otworzyć %1: %2.</translation>
    </message>
    <message>
        <source>the whole frame was sent</source>
        <translation>wysłano całą ramkę</translation>
    </message>
    <message>
        <source>the line hung up (the cable or adapter was disconnected, or the other side closed)</source>
        <translation>linia została rozłączona (odłączono kabel lub adapter albo druga strona zamknęła połączenie)</translation>
    </message>
    <message>
        <source>a write did not get its bytes out in time (the line is held up or the device failed)</source>
        <translation>zapis nie wysłał swoich bajtów na czas (linia jest zablokowana lub urządzenie uległo awarii)</translation>
    </message>
    <message>
        <source>the line stalled for %1 ms after byte %2, longer than the radio waits: it may not have taken the frame; send again</source>
        <translation>linia stała %1 ms po bajcie %2, dłużej niż czeka radiotelefon: mógł nie przyjąć ramki; wyślij ponownie</translation>
    </message>
    <message>
        <source>stopped by Disconnect</source>
        <translation>zatrzymano przez Rozłącz</translation>
    </message>
    <message>
        <source>stopped after the whole frame was sent</source>
        <translation>zatrzymano po wysłaniu całej ramki</translation>
    </message>
    <message>
        <source>stopped before the frame was complete</source>
        <translation>zatrzymano, zanim ramka była kompletna</translation>
    </message>
    <message>
        <source>command line</source>
        <translation>wiersz poleceń</translation>
    </message>
    <message>
        <source>remembered</source>
        <translation>zapamiętany</translation>
    </message>
    <message>
        <source>chosen</source>
        <translation>wybrany</translation>
    </message>
    <message>
        <source>remembered port unreadable</source>
        <translation>zapamiętany port nieczytelny</translation>
    </message>
    <message>
        <source>default</source>
        <translation>domyślny</translation>
    </message>
    <message>
        <source>COM1 = no device (%1)</source>
        <translation>COM1 = brak urządzenia (%1)</translation>
    </message>
    <message>
        <source>COM1 = %1 (%2)</source>
        <translation>COM1 = %1 (%2)</translation>
    </message>
    <message>
        <source>%1 was still marked as held by a program that had ended; the mark was cleared.</source>
        <translation>%1 był wciąż oznaczony jako trzymany przez program, który się zakończył; oznaczenie usunięto.</translation>
    </message>
    <message>
        <source>COM1 stands for no device: the port chosen last cannot be read (%1). Give the port with --port DEV, or choose one in the Port menu of Velmar&apos;s window.</source>
        <translation>COM1 nie oznacza żadnego urządzenia: nie można odczytać ostatnio wybranego portu (%1). Podaj port opcją --port DEV albo wybierz go w menu Port okna programu Velmar.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln rows say</source>
        <comment>%Ln row says</comment>
        <translation>
            <numerusform>%Ln wiersz mówi</numerusform>
            <numerusform>%Ln wiersze mówią</numerusform>
            <numerusform>%Ln wierszy mówi</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1: no Location, not taken</source>
        <translation>wiersz %1: brak Location, nie przyjęto</translation>
    </message>
    <message>
        <source>line %1: Location &quot;%2&quot; is not a number, not taken</source>
        <translation>wiersz %1: Location „%2” nie jest liczbą, nie przyjęto</translation>
    </message>
    <message>
        <source>line %1: Location %2 is beyond the 64 channels, not taken</source>
        <translation>wiersz %1: Location %2 wykracza poza 64 kanały, nie przyjęto</translation>
    </message>
    <message>
        <source>line %1: no frequency, not taken</source>
        <translation>wiersz %1: brak częstotliwości, nie przyjęto</translation>
    </message>
    <message>
        <source>line %1: Frequency &quot;%2&quot; is not a number, not taken</source>
        <translation>wiersz %1: Frequency „%2” nie jest liczbą, nie przyjęto</translation>
    </message>
    <message>
        <source>line %1: %2 MHz is outside 400 to 500 MHz, not taken</source>
        <translation>wiersz %1: %2 MHz leży poza zakresem 400–500 MHz, nie przyjęto</translation>
    </message>
    <message>
        <source>line %1: Frequency %2 has a decimal comma that splits it in two, not taken: write it with a point, or in quotes</source>
        <translation>wiersz %1: Frequency %2 ma przecinek dziesiętny, który dzieli ją na dwie części, nie przyjęto: zapisz ją z kropką lub w cudzysłowie</translation>
    </message>
    <message>
        <source>line %1: %2: %3 moved to %4 (6.25 kHz steps)</source>
        <translation>wiersz %1: %2: %3 przesunięto na %4 (kroki 6,25 kHz)</translation>
    </message>
    <message>
        <source>line %1: %2 moved to %3 (6.25 kHz steps)</source>
        <translation>wiersz %1: %2 przesunięto na %3 (kroki 6,25 kHz)</translation>
    </message>
    <message>
        <source>line %1: %2: given on line %3 too; this later row is taken</source>
        <translation>wiersz %1: %2: podano też w wierszu %3; przyjęto ten późniejszy wiersz</translation>
    </message>
    <message>
        <source>line %1: given on line %2 too; this later row is taken</source>
        <translation>wiersz %1: podano też w wierszu %2; przyjęto ten późniejszy wiersz</translation>
    </message>
    <message>
        <source>line %1: %2: %3 not kept: this radio has no such setting</source>
        <translation>wiersz %1: %2: %3 nie zachowano: ten radiotelefon nie ma takiego ustawienia</translation>
    </message>
    <message>
        <source>line %1: %2 not kept: this radio has no such setting</source>
        <translation>wiersz %1: %2 nie zachowano: ten radiotelefon nie ma takiego ustawienia</translation>
    </message>
    <message>
        <source>line %1: %2: %3 is the frequency of %4 too</source>
        <translation>wiersz %1: %2: %3 to także częstotliwość %4</translation>
    </message>
    <message>
        <source>line %1: %2 is the frequency of %3 too</source>
        <translation>wiersz %1: %2 to także częstotliwość %3</translation>
    </message>
    <message>
        <source>line %1: %2: the Name &quot;%3&quot; has more than %4 characters: &quot;%5&quot; kept</source>
        <translation>wiersz %1: %2: nazwa „%3” ma więcej niż %4 znaków: zachowano „%5”</translation>
    </message>
    <message>
        <source>line %1: the Name &quot;%2&quot; has more than %3 characters: &quot;%4&quot; kept</source>
        <translation>wiersz %1: nazwa „%2” ma więcej niż %3 znaków: zachowano „%4”</translation>
    </message>
    <message>
        <source>line %1: %2: the Name holds a control character or is not UTF-8 text, not kept</source>
        <translation>wiersz %1: %2: nazwa zawiera znak sterujący lub nie jest tekstem UTF-8, nie zachowano</translation>
    </message>
    <message>
        <source>line %1: the Name holds a control character or is not UTF-8 text, not kept</source>
        <translation>wiersz %1: nazwa zawiera znak sterujący lub nie jest tekstem UTF-8, nie zachowano</translation>
    </message>
    <message>
        <source>The Locations start at 0: taken in order, Location 0 as Group A CH1</source>
        <translation>Pozycje (Location) zaczynają się od 0: przyjęto po kolei, Location 0 jako Group A CH1</translation>
    </message>
    <message>
        <source>Group %1: %2 NFM (12.5 kHz), %3 FM (25 kHz): %4 taken</source>
        <translation>Group %1: %2 NFM (12,5 kHz), %3 FM (25 kHz): przyjęto %4</translation>
    </message>
    <message>
        <source>line %1: </source>
        <translation>wiersz %1: </translation>
    </message>
    <message>
        <source>not a channel list: no header line with the columns Location and Frequency</source>
        <translation>to nie jest lista kanałów: brak wiersza nagłówka z kolumnami Location i Frequency</translation>
    </message>
    <message>
        <source>not a channel list: its columns are separated by semicolons; save it with commas (CSV) and import it again</source>
        <translation>to nie jest lista kanałów: jej kolumny są rozdzielone średnikami; zapisz ją z przecinkami (CSV) i zaimportuj ponownie</translation>
    </message>
    <message>
        <source>not a channel list: line %1 has more than 256 columns</source>
        <translation>to nie jest lista kanałów: wiersz %1 ma więcej niż 256 kolumn</translation>
    </message>
    <message>
        <source>not a channel list: the quote opened on line %1 is never closed, so the rest of the file would be one field</source>
        <translation>to nie jest lista kanałów: cudzysłów otwarty w wierszu %1 nigdy się nie zamyka, więc reszta pliku byłaby jednym polem</translation>
    </message>
    <message>
        <source>not a channel list for this radio: more than %1 rows (it has 64 channels)</source>
        <translation>to nie jest lista kanałów dla tego radiotelefonu: więcej niż %1 wierszy (ma on 64 kanały)</translation>
    </message>
    <message>
        <source>%1 “%2”</source>
        <translation>%1 „%2”</translation>
    </message>
    <message numerus="yes">
        <source>The rows of %1 name %Ln channels.</source>
        <comment>The rows of %1 name %Ln channel.</comment>
        <translation>
            <numerusform>Wiersze %1 wskazują %Ln kanał.</numerusform>
            <numerusform>Wiersze %1 wskazują %Ln kanały.</numerusform>
            <numerusform>Wiersze %1 wskazują %Ln kanałów.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln rows are not taken.</source>
        <comment>%Ln row is not taken.</comment>
        <translation>
            <numerusform>%Ln wiersz nie został przyjęty.</numerusform>
            <numerusform>%Ln wiersze nie zostały przyjęte.</numerusform>
            <numerusform>%Ln wierszy nie zostało przyjętych.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Merge into the file&apos;s Locations: %Ln channels change; the channels the rows do not name stay as they are.</source>
        <comment>Merge into the file&apos;s Locations: %Ln channel changes; the channels the rows do not name stay as they are.</comment>
        <translation>
            <numerusform>Scal z pozycjami pliku: zmienia się %Ln kanał; kanały, których wiersze nie wskazują, pozostają bez zmian.</numerusform>
            <numerusform>Scal z pozycjami pliku: zmieniają się %Ln kanały; kanały, których wiersze nie wskazują, pozostają bez zmian.</numerusform>
            <numerusform>Scal z pozycjami pliku: zmienia się %Ln kanałów; kanały, których wiersze nie wskazują, pozostają bez zmian.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Replace all channels: %Ln channels change; the channels the rows do not name are emptied.</source>
        <comment>Replace all channels: %Ln channel changes; the channels the rows do not name are emptied.</comment>
        <translation>
            <numerusform>Zastąp wszystkie kanały: zmienia się %Ln kanał; kanały, których wiersze nie wskazują, zostają opróżnione.</numerusform>
            <numerusform>Zastąp wszystkie kanały: zmieniają się %Ln kanały; kanały, których wiersze nie wskazują, zostają opróżnione.</numerusform>
            <numerusform>Zastąp wszystkie kanały: zmienia się %Ln kanałów; kanały, których wiersze nie wskazują, zostają opróżnione.</numerusform>
        </translation>
    </message>
    <message>
        <source>Channels the rows change:</source>
        <translation>Kanały, które zmieniają wiersze:</translation>
    </message>
    <message>
        <source>Replace all channels also changes:</source>
        <translation>Zastąp wszystkie kanały zmienia także:</translation>
    </message>
    <message>
        <source>Rows not taken, and what the entry made of others:</source>
        <translation>Wiersze nieprzyjęte i co wpisywanie zrobiło z pozostałymi:</translation>
    </message>
    <message numerus="yes">
        <source>Merged %1 into its Locations: %Ln channels changed.</source>
        <comment>Merged %1 into its Locations: %Ln channel changed.</comment>
        <translation>
            <numerusform>Scalono %1 z jego pozycjami: zmieniono %Ln kanał.</numerusform>
            <numerusform>Scalono %1 z jego pozycjami: zmieniono %Ln kanały.</numerusform>
            <numerusform>Scalono %1 z jego pozycjami: zmieniono %Ln kanałów.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Replaced all channels with %1: %Ln channels changed.</source>
        <comment>Replaced all channels with %1: %Ln channel changed.</comment>
        <translation>
            <numerusform>Zastąpiono wszystkie kanały przez %1: zmieniono %Ln kanał.</numerusform>
            <numerusform>Zastąpiono wszystkie kanały przez %1: zmieniono %Ln kanały.</numerusform>
            <numerusform>Zastąpiono wszystkie kanały przez %1: zmieniono %Ln kanałów.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 received bytes were dropped: the receive queue held %2 of %3 bytes.</source>
        <translation>Odrzucono %1 odebranych bajtów: kolejka odbioru zawierała %2 z %3 bajtów.</translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation>jedno z: %1</translation>
    </message>
    <message>
        <source>%1 (a Velmar setting file)</source>
        <translation>%1 (plik ustawienia programu Velmar)</translation>
    </message>
    <message>
        <source>a whole number from 1 to %1</source>
        <translation>liczba całkowita od 1 do %1</translation>
    </message>
    <message>
        <source>text of up to %1 characters, line breaks and tabs its only control characters</source>
        <translation>tekst o długości najwyżej %1 znaków, z podziałami wierszy i tabulatorami jako jedynymi znakami sterującymi</translation>
    </message>
    <message>
        <source>text of up to %1 characters without control characters</source>
        <translation>tekst o długości najwyżej %1 znaków bez znaków sterujących</translation>
    </message>
    <message>
        <source>a list of exactly eight groups, &quot;A&quot; to &quot;H&quot; in order</source>
        <translation>lista dokładnie ośmiu grup, od &quot;A&quot; do &quot;H&quot; po kolei</translation>
    </message>
    <message>
        <source>an object with &quot;group&quot;, &quot;spacing&quot; and &quot;channels&quot;</source>
        <translation>obiekt z &quot;group&quot;, &quot;spacing&quot; i &quot;channels&quot;</translation>
    </message>
    <message>
        <source>%1 (the groups run &quot;A&quot; to &quot;H&quot; in order)</source>
        <translation>%1 (grupy idą po kolei od &quot;A&quot; do &quot;H&quot;)</translation>
    </message>
    <message>
        <source>a list of exactly eight channels, CH1 to CH8</source>
        <translation>lista dokładnie ośmiu kanałów, od CH1 do CH8</translation>
    </message>
    <message>
        <source>a frequency of nine characters from 400.00000 to 500.00000 MHz on the 6.25 kHz grid, such as 446.00625, or &quot;&quot; for none</source>
        <translation>częstotliwość z dziewięciu znaków od 400.00000 do 500.00000 MHz na siatce 6,25 kHz, np. 446.00625, lub &quot;&quot; dla braku</translation>
    </message>
    <message>
        <source>a frequency of nine characters from 400.00000 to 500.00000 MHz on the 6.25 kHz grid, such as 446.00625, or &quot;&quot; for none (the grid point below is %1)</source>
        <translation>częstotliwość z dziewięciu znaków od 400.00000 do 500.00000 MHz na siatce 6,25 kHz, np. 446.00625, lub &quot;&quot; dla braku (punkt siatki poniżej to %1)</translation>
    </message>
    <message>
        <source>a list of exactly eight names, CH1 to CH8, &quot;&quot; for none</source>
        <translation>lista dokładnie ośmiu nazw, od CH1 do CH8, &quot;&quot; dla braku</translation>
    </message>
    <message>
        <source>an object with the 13 options, &quot;Scan Delay Time&quot; to &quot;Band Select&quot;</source>
        <translation>obiekt z 13 opcjami, od &quot;Scan Delay Time&quot; do &quot;Band Select&quot;</translation>
    </message>
    <message>
        <source>a JSON object with &quot;format&quot;: &quot;velmar-setting&quot;</source>
        <translation>obiekt JSON z &quot;format&quot;: &quot;velmar-setting&quot;</translation>
    </message>
    <message>
        <source>the whole file</source>
        <translation>cały plik</translation>
    </message>
    <message>
        <source>%1: missing, must be %2</source>
        <translation>%1: brak, musi to być %2</translation>
    </message>
    <message>
        <source>%1: is %2, must be %3</source>
        <translation>%1: ma wartość %2, musi to być %3</translation>
    </message>
    <message>
        <source>%1: has %2 groups, must be %3</source>
        <translation>%1: ma %2 grup, musi to być %3</translation>
    </message>
    <message>
        <source>%1: has %2 channels, must be %3</source>
        <translation>%1: ma %2 kanałów, musi to być %3</translation>
    </message>
    <message>
        <source>%1: has %2 characters, must be %3</source>
        <translation>%1: ma %2 znaków, musi to być %3</translation>
    </message>
    <message>
        <source>%1: holds a control character, must be %2</source>
        <translation>%1: zawiera znak sterujący, musi to być %2</translation>
    </message>
    <message>
        <source>%1: is %2: made by a newer Velmar; this one reads versions up to %3</source>
        <translation>%1: ma wartość %2: utworzony przez nowszy Velmar; ten czyta wersje do %3</translation>
    </message>
    <message>
        <source>not JSON: nested deeper than %1 levels at byte %2; a setting file is a JSON object with &quot;format&quot;: &quot;velmar-setting&quot;</source>
        <translation>to nie JSON: zagnieżdżenie głębsze niż %1 poziomów w bajcie %2; plik ustawienia to obiekt JSON z &quot;format&quot;: &quot;velmar-setting&quot;</translation>
    </message>
    <message>
        <source>not JSON: a NUL character at byte %1; a setting file is a JSON object with &quot;format&quot;: &quot;velmar-setting&quot;</source>
        <translation>to nie JSON: znak NUL w bajcie %1; plik ustawienia to obiekt JSON z &quot;format&quot;: &quot;velmar-setting&quot;</translation>
    </message>
    <message>
        <source>not JSON: %1; a setting file is a JSON object with &quot;format&quot;: &quot;velmar-setting&quot;</source>
        <translation>to nie JSON: %1; plik ustawienia to obiekt JSON z &quot;format&quot;: &quot;velmar-setting&quot;</translation>
    </message>
    <message>
        <source>%1: has the key %2 twice; each key may appear once</source>
        <translation>%1: ma klucz %2 dwa razy; każdy klucz może wystąpić raz</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bajtów</translation>
    </message>
    <message>
        <source>larger than %1</source>
        <translation>większy niż %1</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>to nie jest zwykły plik</translation>
    </message>
    <message>
        <source>too many levels of symbolic links</source>
        <translation>zbyt wiele poziomów dowiązań symbolicznych</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>plik jest tylko do odczytu</translation>
    </message>
    <message>
        <source>cannot create a temporary file in %1: %2</source>
        <translation>nie można utworzyć pliku tymczasowego w %1: %2</translation>
    </message>
    <message>
        <source>the value of &quot;%1&quot; is not one device</source>
        <translation>wartość &quot;%1&quot; nie jest jednym urządzeniem</translation>
    </message>
    <message>
        <source>it is %1, the setting file it is made from</source>
        <translation>to jest %1, plik ustawienia, z którego powstaje</translation>
    </message>
    <message>
        <source>cannot keep the sent setting in %1: %2</source>
        <translation>nie można zachować wysłanego ustawienia w %1: %2</translation>
    </message>
    <message>
        <source>%1: cannot read: %2</source>
        <translation>%1: nie można odczytać: %2</translation>
    </message>
    <message>
        <source>%1: cannot write: %2</source>
        <translation>%1: nie można zapisać: %2</translation>
    </message>
    <message>
        <source>The channel card cannot be printed: %1</source>
        <translation>Nie można wydrukować karty kanałów: %1</translation>
    </message>
    <message>
        <source>The serial ports present cannot be listed: %1</source>
        <translation>Nie można wyświetlić listy obecnych portów szeregowych: %1</translation>
    </message>
    <message>
        <source>%1 needs the PDF file to write</source>
        <translation>%1 wymaga pliku PDF do zapisania</translation>
    </message>
    <message>
        <source>%1 needs a device</source>
        <translation>%1 wymaga urządzenia</translation>
    </message>
    <message>
        <source>unknown option: %1</source>
        <translation>nieznana opcja: %1</translation>
    </message>
    <message>
        <source>no setting file given</source>
        <translation>nie podano pliku ustawienia</translation>
    </message>
    <message>
        <source>one setting file only, not %1</source>
        <translation>tylko jeden plik ustawienia, nie %1</translation>
    </message>
    <message>
        <source>--card needs a FILE.velmar to make the card of</source>
        <translation>--card wymaga PLIK.velmar, z którego powstanie karta</translation>
    </message>
    <message>
        <source>Usage: velmar [OPTION]... [FILE.velmar]
Program the channels and options of a UHF PMR/LPD hand-held radio.

Velmar shows one settings dialog: eight channel groups of eight frequencies
(400 to 500 MHz on a 6.25 kHz grid), a channel spacing per group and the
radio&apos;s options. Connect opens the radio&apos;s programming cable, COM1, at 4800
baud, 8 data bits, no parity and two stop bits; Send writes the whole setting
to the radio as one 258-byte programming frame in 141 paced writes. Settings
are kept in setting files (FILE.velmar), and every complete Send is kept in the
history of sent settings.

Options:
  FILE.velmar          open this setting file at start
      --port DEV       use the serial device DEV as COM1 for this run (a USB
                       cable such as /dev/ttyUSB0, or a pseudo-terminal)
      --card OUT.pdf   write the channel card of FILE.velmar to OUT.pdf and
                       exit, without a window: 0 when written, 2 when the
                       file is refused, 1 when the card cannot be written
  -h, --help           display this help and exit
      --version        output version information and exit

COM1 is the first of: --port DEV, the environment&apos;s VELMAR_COM1, the port
chosen last time in the window&apos;s Port menu, /dev/ttyS0. The status line says
which one is in force and why.

Environment:
  VELMAR_COM1      the serial device that COM1 stands for, for example
                   /dev/ttyUSB0 for a USB programming cable

Files:
  ~/.config/velmar/%1    what the window remembers: the port chosen,
                                 the recent files ($XDG_CONFIG_HOME/velmar
                                 when that is set)
  ~/.local/share/velmar/sent/    the settings of the last 500 complete Sends
                                 ($XDG_DATA_HOME/velmar/sent when that is set)

Examples:
  velmar club.velmar                    open a setting and send it from the window
  velmar --port /dev/ttyUSB0            use a USB programming cable as COM1
</source>
        <translation>Użycie: velmar [OPCJA]... [PLIK.velmar]
Programuje kanały i opcje ręcznego radiotelefonu UHF PMR/LPD.

Velmar pokazuje jedno okno ustawień: osiem grup po osiem częstotliwości
(od 400 do 500 MHz z krokiem 6,25 kHz), odstęp kanałów dla każdej grupy
i opcje radiotelefonu. „Connect” otwiera kabel programujący radiotelefonu,
COM1, z prędkością 4800 bodów, 8 bitami danych, bez parzystości i z dwoma
bitami stopu; „Send” zapisuje całe ustawienie w radiotelefonie jako jedną
ramkę programującą 258 bajtów w 141 odmierzonych zapisach. Ustawienia są
przechowywane w plikach ustawień (PLIK.velmar), a każde pełne wysłanie
w historii wysłanych ustawień.

Opcje:
  PLIK.velmar          otwórz ten plik ustawienia przy starcie
      --port DEV       użyj urządzenia szeregowego DEV jako COM1 w tym
                       uruchomieniu (kabla USB, np. /dev/ttyUSB0, albo
                       pseudoterminala)
      --card OUT.pdf   zapisz kartę kanałów PLIK.velmar do OUT.pdf i zakończ,
                       bez okna: 0, gdy zapisano, 2, gdy plik odrzucono, 1,
                       gdy nie można zapisać karty
  -h, --help           wyświetl tę pomoc i zakończ
      --version        wyświetl informację o wersji i zakończ

COM1 to pierwsze z: --port DEV, VELMAR_COM1 ze środowiska, port wybrany
ostatnio w menu Port okna, /dev/ttyS0. Wiersz stanu mówi, które obowiązuje
i dlaczego.

Środowisko:
  VELMAR_COM1      urządzenie szeregowe, które oznacza COM1, na przykład
                   /dev/ttyUSB0 dla kabla programującego USB

Pliki:
  ~/.config/velmar/%1    co okno pamięta: wybrany port, ostatnie pliki
                                 ($XDG_CONFIG_HOME/velmar, jeśli ustawiono)
  ~/.local/share/velmar/sent/    ustawienia ostatnich 500 pełnych wysłań
                                 ($XDG_DATA_HOME/velmar/sent, jeśli ustawiono)

Przykłady:
  velmar club.velmar                    otwórz ustawienie i wyślij je z okna
  velmar --port /dev/ttyUSB0            użyj kabla programującego USB jako COM1
</translation>
    </message>
</context>
</TS>
