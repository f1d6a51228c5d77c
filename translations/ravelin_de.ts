<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AddinsDialog</name>
    <message>
        <source>Add-Ins</source>
        <translation>Add-Ins</translation>
    </message>
    <message>
        <source>Add-ins &amp;available (a check mark connects the add-in):</source>
        <translation>&amp;Verfügbare Add-Ins (ein Häkchen verbindet das Add-In):</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Ort:</translation>
    </message>
    <message>
        <source>Load Behavior:</source>
        <translation>Ladeverhalten:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
</context>
<context>
    <name>Check</name>
    <message>
        <source>The %1 contains a double quote, which ends the value early in the button&apos;s HTML.</source>
        <translation>%1 enthält ein doppeltes Anführungszeichen, das den Wert im HTML der Schaltfläche vorzeitig beendet.</translation>
    </message>
    <message>
        <source>No PayPal account address is given.</source>
        <translation>Es ist keine PayPal-Kontoadresse angegeben.</translation>
    </message>
    <message>
        <source>The PayPal account address must not contain blanks.</source>
        <translation>Die PayPal-Kontoadresse darf keine Leerzeichen enthalten.</translation>
    </message>
    <message>
        <source>PayPal account address</source>
        <translation>Die PayPal-Kontoadresse</translation>
    </message>
    <message>
        <source>The PayPal account address can be at most 127 characters long.</source>
        <translation>Die PayPal-Kontoadresse darf höchstens 127 Zeichen lang sein.</translation>
    </message>
    <message>
        <source>The PayPal account address must contain exactly one @, as in seller@example.com.</source>
        <translation>Die PayPal-Kontoadresse muss genau ein @ enthalten, wie in verkaeufer@example.com.</translation>
    </message>
    <message>
        <source>The PayPal account address needs a name before the @.</source>
        <translation>Die PayPal-Kontoadresse braucht einen Namen vor dem @.</translation>
    </message>
    <message>
        <source>The PayPal account address needs a domain with a dot after the @, such as example.com.</source>
        <translation>Die PayPal-Kontoadresse braucht nach dem @ eine Domain mit Punkt, etwa example.com.</translation>
    </message>
    <message>
        <source>The %1 can be at most 127 characters long.</source>
        <translation>%1 darf höchstens 127 Zeichen lang sein.</translation>
    </message>
    <message>
        <source>The %1 contains &lt;, which your page will read as the start of HTML markup.</source>
        <translation>%1 enthält ein &lt;, das Ihre Seite als Beginn von HTML-Auszeichnungen liest.</translation>
    </message>
    <message>
        <source>The currency must be one from the list; any other text sends no currency, and the payment service charges US dollars.</source>
        <translation>Die Währung muss eine aus der Liste sein; mit jedem anderen Text wird keine Währung gesendet, und der Zahlungsdienst berechnet US-Dollar.</translation>
    </message>
    <message>
        <source>PayPal takes %1 only for accounts in %2; an account elsewhere gets the payment in its own currency, converted for a fee.</source>
        <translation>PayPal nimmt %1 nur für Konten in %2 an; ein Konto anderswo erhält die Zahlung in seiner eigenen Währung, gegen eine Gebühr umgerechnet.</translation>
    </message>
    <message>
        <source>note label</source>
        <translation>Die Überschrift der Mitteilung</translation>
    </message>
    <message>
        <source>The note label can be at most 40 characters long.</source>
        <translation>Die Überschrift der Mitteilung darf höchstens 40 Zeichen lang sein.</translation>
    </message>
    <message>
        <source>The note label still reads &quot;(optional instructions)&quot;; type the words the buyer should see above the note.</source>
        <translation>Die Überschrift der Mitteilung lautet noch „(optional instructions)“; geben Sie die Worte ein, die der Käufer über der Mitteilung sehen soll.</translation>
    </message>
    <message>
        <source>The %1 must not contain blanks.</source>
        <translation>%1 darf keine Leerzeichen enthalten.</translation>
    </message>
    <message>
        <source>The %1 cannot be negative.</source>
        <translation>%1 darf nicht negativ sein.</translation>
    </message>
    <message>
        <source>The %1 must be written without a plus sign.</source>
        <translation>%1 muss ohne Pluszeichen geschrieben werden.</translation>
    </message>
    <message>
        <source>The %1 must be a number such as %2, with a point for decimals and no thousands separators.</source>
        <translation>%1 muss eine Zahl wie %2 sein, mit einem Punkt vor den Nachkommastellen und ohne Tausendertrennzeichen.</translation>
    </message>
    <message>
        <source>The %1 must be written out in digits, without an exponent.</source>
        <translation>%1 muss in Ziffern ausgeschrieben werden, ohne Exponent.</translation>
    </message>
    <message>
        <source>The %1 must be a number such as %2.</source>
        <translation>%1 muss eine Zahl wie %2 sein.</translation>
    </message>
    <message>
        <source>%1 have no decimals, so the %2 must be a whole number.</source>
        <translation>%1 haben keine Nachkommastellen. %2 muss daher eine ganze Zahl sein.</translation>
    </message>
    <message>
        <source>The %1 can have at most two decimals.</source>
        <translation>%1 darf höchstens zwei Nachkommastellen haben.</translation>
    </message>
    <message>
        <source>The %1 must be more than zero.</source>
        <translation>%1 muss größer als null sein.</translation>
    </message>
    <message>
        <source>The %1 has more decimals than the currency has; the button asks for %2.</source>
        <translation>%1 hat mehr Nachkommastellen als die Währung; die Schaltfläche verlangt %2.</translation>
    </message>
    <message>
        <source>The %1 must be a full address starting with https:// or http://, such as https://www.example.com/ipn.</source>
        <translation>%1 muss eine vollständige Adresse sein, die mit https:// oder http:// beginnt, etwa https://www.example.com/ipn.</translation>
    </message>
    <message>
        <source>The %1 is not a full address starting with https:// or http://, so it may not be found.</source>
        <translation>%1 ist keine vollständige Adresse, die mit https:// oder http:// beginnt, und wird daher vielleicht nicht gefunden.</translation>
    </message>
    <message>
        <source>The %1 must start with https:// or http://.</source>
        <translation>%1 muss mit https:// oder http:// beginnen.</translation>
    </message>
    <message>
        <source>The %1 has a host name that is not valid.</source>
        <translation>%1 enthält keinen gültigen Hostnamen.</translation>
    </message>
    <message>
        <source>The %1 has no host name after %2://, such as www.example.com.</source>
        <translation>%1 hat nach %2:// keinen Hostnamen, etwa www.example.com.</translation>
    </message>
    <message>
        <source>The %1 starts with http://, so secure pages may not show the picture; use https://.</source>
        <translation>%1 beginnt mit http://, daher zeigen sichere Seiten das Bild vielleicht nicht an; verwenden Sie https://.</translation>
    </message>
    <message>
        <source>The %1 is left out of the button: an address of exactly seven characters is taken for the unchanged &quot;http://&quot;.</source>
        <translation>%1 wird nicht in die Schaltfläche geschrieben: Eine Adresse von genau sieben Zeichen gilt als das unveränderte „http://“.</translation>
    </message>
    <message>
        <source>return address</source>
        <translation>Die Rücksprungadresse</translation>
    </message>
    <message>
        <source>cancel address</source>
        <translation>Die Abbruchadresse</translation>
    </message>
    <message>
        <source>No button picture is chosen, so the button has nothing to click.</source>
        <translation>Es ist kein Schaltflächenbild gewählt, die Schaltfläche hat also nichts zum Anklicken.</translation>
    </message>
    <message>
        <source>No address is given for your own button picture.</source>
        <translation>Für Ihr eigenes Schaltflächenbild ist keine Adresse angegeben.</translation>
    </message>
    <message>
        <source>button picture address</source>
        <translation>Die Adresse des Schaltflächenbilds</translation>
    </message>
    <message>
        <source>days</source>
        <translation>Tagen</translation>
    </message>
    <message>
        <source>weeks</source>
        <translation>Wochen</translation>
    </message>
    <message>
        <source>months</source>
        <translation>Monaten</translation>
    </message>
    <message>
        <source>years</source>
        <translation>Jahren</translation>
    </message>
    <message>
        <source>The %1 must be a whole number, such as 1.</source>
        <translation>%1 muss eine ganze Zahl sein, etwa 1.</translation>
    </message>
    <message>
        <source>A %1 in %2 can be from 1 to %3.</source>
        <translation>%1 in %2 kann 1 bis %3 betragen.</translation>
    </message>
    <message>
        <source>The %1 must be counted in days, weeks, months or years, as in the list.</source>
        <translation>%1 muss in Tagen, Wochen, Monaten oder Jahren angegeben werden, wie in der Liste.</translation>
    </message>
    <message>
        <source>The first menu gives each choice its price, and PayPal charges that one, not this price.</source>
        <translation>Das erste Menü gibt jeder Auswahl ihren Preis, und PayPal berechnet diesen, nicht diesen Preis hier.</translation>
    </message>
    <message>
        <source>%1th</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1st</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1nd</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1rd</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>option name</source>
        <translation>Der Optionsname</translation>
    </message>
    <message>
        <source>The option name can be at most 64 characters long.</source>
        <translation>Der Optionsname darf höchstens 64 Zeichen lang sein.</translation>
    </message>
    <message>
        <source>The menu has no choices; write them one a line.</source>
        <translation>Das Menü hat keine Auswahlmöglichkeiten; schreiben Sie eine pro Zeile.</translation>
    </message>
    <message>
        <source>The choice %1 contains a double quote, which ends the value early in the button&apos;s HTML.</source>
        <translation>Die Auswahl %1 enthält ein doppeltes Anführungszeichen, das den Wert im HTML der Schaltfläche vorzeitig beendet.</translation>
    </message>
    <message>
        <source>The choice %1 is longer than the 64 characters PayPal takes.</source>
        <translation>Die Auswahl %1 ist länger als die 64 Zeichen, die PayPal annimmt.</translation>
    </message>
    <message>
        <source>The choice %1 has no price; once one choice of the menu has a price, each needs one, as in Large = 12.50.</source>
        <translation>Die Auswahl %1 hat keinen Preis; sobald eine Auswahl des Menüs einen Preis hat, braucht jede einen, wie in Large = 12.50.</translation>
    </message>
    <message>
        <source>The choice %1 has no price after its =.</source>
        <translation>Die Auswahl %1 hat nach ihrem = keinen Preis.</translation>
    </message>
    <message>
        <source>price of %1</source>
        <translation>Der Preis von %1</translation>
    </message>
    <message>
        <source>PayPal takes prices for at most 10 choices; this menu has %1.</source>
        <translation>PayPal nimmt Preise für höchstens 10 Auswahlmöglichkeiten an; dieses Menü hat %1.</translation>
    </message>
    <message>
        <source>The menu has choices but no name; PayPal shows the name above the menu and sends it with the choice.</source>
        <translation>Das Menü hat Auswahlmöglichkeiten, aber keinen Namen; PayPal zeigt den Namen über dem Menü an und sendet ihn mit der Auswahl.</translation>
    </message>
    <message>
        <source>The choice %1 gives a price, but Subscribe buttons take no prices in their menus; PayPal shows the whole line as the choice.</source>
        <translation>Die Auswahl %1 nennt einen Preis, aber Abonnement-Schaltflächen nehmen in ihren Menüs keine Preise an; PayPal zeigt die ganze Zeile als Auswahl.</translation>
    </message>
    <message>
        <source>The choice %1 gives a price, but only the first menu can give its choices prices; PayPal shows the whole line as the choice.</source>
        <translation>Die Auswahl %1 nennt einen Preis, aber nur das erste Menü kann seinen Auswahlmöglichkeiten Preise geben; PayPal zeigt die ganze Zeile als Auswahl.</translation>
    </message>
    <message>
        <source>PayPal takes at most %1 options on this button, menus and text boxes together; this is the %2.</source>
        <translation>PayPal nimmt auf dieser Schaltfläche höchstens %1 Optionen an, Menüs und Textfelder zusammen; dies ist die %2.</translation>
    </message>
    <message>
        <source>value of %1</source>
        <translation>Der Wert von %1</translation>
    </message>
    <message>
        <source>PayPal takes %1 only as %2 or %3, not %4.</source>
        <translation>PayPal nimmt %1 nur als %2 oder %3 an, nicht %4.</translation>
    </message>
    <message>
        <source>PayPal takes at most %1 characters in %2.</source>
        <translation>PayPal nimmt in %2 höchstens %1 Zeichen an.</translation>
    </message>
    <message>
        <source>PayPal takes lc only as a country code of two capital letters, such as DE, or one of its locales, such as de_DE, not %1.</source>
        <translation>PayPal nimmt lc nur als Ländercode aus zwei Großbuchstaben an, etwa DE, oder als eines seiner Gebietsschemas, etwa de_DE, nicht %1.</translation>
    </message>
    <message>
        <source>The %1 address is empty.</source>
        <translation>Die Adresse in %1 ist leer.</translation>
    </message>
    <message>
        <source>%1 address</source>
        <translation>Die Adresse in %1</translation>
    </message>
    <message>
        <source>The line %1 has no =; write each variable as name=value.</source>
        <translation>Die Zeile %1 hat kein =; schreiben Sie jede Variable als name=wert.</translation>
    </message>
    <message>
        <source>The line %1 has no name before its =.</source>
        <translation>Die Zeile %1 hat keinen Namen vor ihrem =.</translation>
    </message>
    <message>
        <source>variable name %1</source>
        <translation>Der Variablenname %1</translation>
    </message>
    <message>
        <source>The wizard writes charset itself when the button needs it.</source>
        <translation>Der Assistent schreibt charset selbst, wenn die Schaltfläche es braucht.</translation>
    </message>
    <message>
        <source>The variable %1 is a field of the item options; give them with &quot;Item options&quot; on the item page.</source>
        <translation>Die Variable %1 ist ein Feld der Artikeloptionen; geben Sie diese mit „Artikeloptionen“ auf der Artikelseite an.</translation>
    </message>
    <message>
        <source>The variable %1 is a field of item options, which PayPal takes only on Buy Now, Add to Cart and Subscribe buttons.</source>
        <translation>Die Variable %1 ist ein Feld der Artikeloptionen, die PayPal nur bei den Schaltflächen „Jetzt kaufen“, „In den Warenkorb“ und „Abonnieren“ annimmt.</translation>
    </message>
    <message>
        <source>The wizard already writes %1 for this button from its pages; change it there.</source>
        <translation>Der Assistent schreibt %1 für diese Schaltfläche bereits aus seinen Seiten; ändern Sie es dort.</translation>
    </message>
    <message>
        <source>The variable %1 is given twice; PayPal would read only one.</source>
        <translation>Die Variable %1 ist zweimal angegeben; PayPal würde nur eine lesen.</translation>
    </message>
    <message>
        <source>PayPal&apos;s list of variables has no %1, so PayPal will ignore it.</source>
        <translation>PayPals Liste der Variablen enthält kein %1, daher ignoriert PayPal es.</translation>
    </message>
    <message>
        <source>With no item name, the buyer is asked to type what they are paying for.</source>
        <translation>Ohne Artikelnamen wird der Käufer gebeten, einzugeben, wofür er bezahlt.</translation>
    </message>
    <message>
        <source>item name</source>
        <translation>Der Artikelname</translation>
    </message>
    <message>
        <source>item number</source>
        <translation>Die Artikelnummer</translation>
    </message>
    <message>
        <source>With no price, the buyer is asked to type the amount.</source>
        <translation>Ohne Preis wird der Käufer gebeten, den Betrag einzugeben.</translation>
    </message>
    <message>
        <source>price</source>
        <translation>Der Preis</translation>
    </message>
    <message>
        <source>base shipping</source>
        <translation>Die Grundversandgebühr</translation>
    </message>
    <message>
        <source>extra shipping</source>
        <translation>Der Versandzuschlag</translation>
    </message>
    <message>
        <source>Extra shipping is never charged, because the buyer cannot buy more than one of this item.</source>
        <translation>Der Versandzuschlag wird nie berechnet, weil der Käufer nicht mehr als ein Stück dieses Artikels kaufen kann.</translation>
    </message>
    <message>
        <source>handling</source>
        <translation>Die Bearbeitungsgebühr</translation>
    </message>
    <message>
        <source>logo address</source>
        <translation>Die Logo-Adresse</translation>
    </message>
    <message>
        <source>With no item name, the cart shows the item unnamed.</source>
        <translation>Ohne Artikelnamen zeigt der Warenkorb den Artikel ohne Namen.</translation>
    </message>
    <message>
        <source>No price is given; an item in the cart needs one.</source>
        <translation>Es ist kein Preis angegeben; ein Artikel im Warenkorb braucht einen.</translation>
    </message>
    <message>
        <source>donation name</source>
        <translation>Die Bezeichnung der Spende</translation>
    </message>
    <message>
        <source>donation number</source>
        <translation>Die Spendennummer</translation>
    </message>
    <message>
        <source>donation amount</source>
        <translation>Der Spendenbetrag</translation>
    </message>
    <message>
        <source>With no subscription name, the subscriber is asked to type what they are paying for.</source>
        <translation>Ohne Namen des Abonnements wird der Abonnent gebeten, einzugeben, wofür er bezahlt.</translation>
    </message>
    <message>
        <source>subscription name</source>
        <translation>Der Name des Abonnements</translation>
    </message>
    <message>
        <source>reference number</source>
        <translation>Die Referenznummer</translation>
    </message>
    <message>
        <source>No subscription price is given.</source>
        <translation>Es ist kein Abonnementpreis angegeben.</translation>
    </message>
    <message>
        <source>subscription price</source>
        <translation>Der Abonnementpreis</translation>
    </message>
    <message>
        <source>billing cycle</source>
        <translation>Der Abrechnungszeitraum</translation>
    </message>
    <message>
        <source>With &quot;Stop charging after&quot;, the number of payments must be a whole number from 2 to 52.</source>
        <translation>Mit „Abbuchung beenden nach“ muss die Zahl der Zahlungen eine ganze Zahl von 2 bis 52 sein.</translation>
    </message>
    <message>
        <source>Neither way of charging is chosen, so the subscriber is charged only once.</source>
        <translation>Keine der beiden Abbuchungsarten ist gewählt, der Abonnent wird also nur einmal belastet.</translation>
    </message>
    <message>
        <source>trial price</source>
        <translation>Der Preis des Probezeitraums</translation>
    </message>
    <message>
        <source>trial period</source>
        <translation>Der Probezeitraum</translation>
    </message>
    <message>
        <source>US dollars</source>
        <translation>US-Dollar</translation>
    </message>
    <message>
        <source>pounds sterling</source>
        <translation>Pfund Sterling</translation>
    </message>
    <message>
        <source>euros</source>
        <translation>Euro</translation>
    </message>
    <message>
        <source>Canadian dollars</source>
        <translation>Kanadische Dollar</translation>
    </message>
    <message>
        <source>Japanese yen</source>
        <translation>Japanische Yen</translation>
    </message>
    <message>
        <source>Australian dollars</source>
        <translation>Australische Dollar</translation>
    </message>
    <message>
        <source>Brazilian reais</source>
        <translation>Brasilianische Real</translation>
    </message>
    <message>
        <source>Brazil</source>
        <translation>Brasilien</translation>
    </message>
    <message>
        <source>Chinese renminbi</source>
        <translation>Chinesische Renminbi</translation>
    </message>
    <message>
        <source>China</source>
        <translation>China</translation>
    </message>
    <message>
        <source>Czech korunas</source>
        <translation>Tschechische Kronen</translation>
    </message>
    <message>
        <source>Danish kroner</source>
        <translation>Dänische Kronen</translation>
    </message>
    <message>
        <source>Hong Kong dollars</source>
        <translation>Hongkong-Dollar</translation>
    </message>
    <message>
        <source>Hungarian forints</source>
        <translation>Ungarische Forint</translation>
    </message>
    <message>
        <source>Israeli new shekels</source>
        <translation>Israelische Neue Schekel</translation>
    </message>
    <message>
        <source>Malaysian ringgits</source>
        <translation>Malaysische Ringgit</translation>
    </message>
    <message>
        <source>Malaysia</source>
        <translation>Malaysia</translation>
    </message>
    <message>
        <source>Mexican pesos</source>
        <translation>Mexikanische Pesos</translation>
    </message>
    <message>
        <source>New Zealand dollars</source>
        <translation>Neuseeland-Dollar</translation>
    </message>
    <message>
        <source>Norwegian kroner</source>
        <translation>Norwegische Kronen</translation>
    </message>
    <message>
        <source>Philippine pesos</source>
        <translation>Philippinische Pesos</translation>
    </message>
    <message>
        <source>Polish zlotys</source>
        <translation>Polnische Złoty</translation>
    </message>
    <message>
        <source>Singapore dollars</source>
        <translation>Singapur-Dollar</translation>
    </message>
    <message>
        <source>Swedish kronor</source>
        <translation>Schwedische Kronen</translation>
    </message>
    <message>
        <source>Swiss francs</source>
        <translation>Schweizer Franken</translation>
    </message>
    <message>
        <source>New Taiwan dollars</source>
        <translation>Neue Taiwan-Dollar</translation>
    </message>
    <message>
        <source>Thai baht</source>
        <translation>Thailändische Baht</translation>
    </message>
    <message>
        <source>Paste the address PayPal gives for your payment link, such as %1.</source>
        <translation>Fügen Sie die Adresse ein, die PayPal für Ihren Zahlungslink angibt, etwa %1.</translation>
    </message>
    <message>
        <source>The payment link must not contain blanks or line breaks.</source>
        <translation>Der Zahlungslink darf keine Leerzeichen oder Zeilenumbrüche enthalten.</translation>
    </message>
    <message>
        <source>The payment link must start with https://, as in %1.</source>
        <translation>Der Zahlungslink muss mit https:// beginnen, wie in %1.</translation>
    </message>
    <message>
        <source>The payment link must not hold a user name or password before its host; PayPal&apos;s links start with https://www.paypal.com/.</source>
        <translation>Der Zahlungslink darf vor seinem Host keinen Benutzernamen und kein Passwort enthalten; die Links von PayPal beginnen mit https://www.paypal.com/.</translation>
    </message>
    <message>
        <source>The payment link must not name a port; PayPal&apos;s links start with https://www.paypal.com/.</source>
        <translation>Der Zahlungslink darf keinen Port nennen; die Links von PayPal beginnen mit https://www.paypal.com/.</translation>
    </message>
    <message>
        <source>PayPal&apos;s payment links are on www.%1; write https://www.%1%2.</source>
        <translation>Die Zahlungslinks von PayPal liegen auf www.%1; schreiben Sie https://www.%1%2.</translation>
    </message>
    <message>
        <source>The payment link leads to %1, not to PayPal: its host must be %2, or %3 for tests.</source>
        <translation>Der Zahlungslink führt zu %1, nicht zu PayPal: Sein Host muss %2 sein, für Tests %3.</translation>
    </message>
    <message>
        <source>This is not a payment link: after the host PayPal&apos;s links go on with %1 and the link&apos;s ID.</source>
        <translation>Das ist kein Zahlungslink: Nach dem Host folgen bei PayPal-Links %1 und die ID des Links.</translation>
    </message>
    <message>
        <source>The payment link goes on after its ID (%1); it must end with the ID, or with a query after ?.</source>
        <translation>Der Zahlungslink geht nach seiner ID weiter (%1); er muss mit der ID enden oder mit einer Abfrage nach ?.</translation>
    </message>
    <message>
        <source>The payment link has no ID after %1; copy the whole link from PayPal.</source>
        <translation>Der Zahlungslink hat nach %1 keine ID; kopieren Sie den ganzen Link aus PayPal.</translation>
    </message>
    <message>
        <source>The payment link&apos;s ID (%1) must be letters and digits only.</source>
        <translation>Die ID des Zahlungslinks (%1) darf nur aus Buchstaben und Ziffern bestehen.</translation>
    </message>
    <message>
        <source>The payment link must not end in a # part; PayPal&apos;s links end with the ID or a query.</source>
        <translation>Der Zahlungslink darf nicht auf einen #-Teil enden; die Links von PayPal enden mit der ID oder einer Abfrage.</translation>
    </message>
    <message>
        <source>The payment link&apos;s query (?%1) holds characters an address does not; copy it again from PayPal.</source>
        <translation>Die Abfrage des Zahlungslinks (?%1) enthält Zeichen, die in keiner Adresse stehen; kopieren Sie sie erneut aus PayPal.</translation>
    </message>
    <message>
        <source>With no link text and no picture, the link cannot be seen or clicked: give it a text or choose a picture.</source>
        <translation>Ohne Linktext und ohne Bild ist der Link weder zu sehen noch anzuklicken: Geben Sie einen Text ein oder wählen Sie ein Bild.</translation>
    </message>
    <message>
        <source>With no link text, those who cannot see the picture hear nothing of what it does: give it a text such as &quot;Pay with PayPal&quot;.</source>
        <translation>Ohne Linktext erfährt niemand, der das Bild nicht sehen kann, wozu es dient: Geben Sie einen Text ein, etwa „Mit PayPal bezahlen“.</translation>
    </message>
</context>
<context>
    <name>FrmAbout</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Version: 1.00</source>
        <translation>Version: 1.00</translation>
    </message>
    <message>
        <source>Licence notice</source>
        <translation>Lizenzhinweis</translation>
    </message>
    <message>
        <source>E-Mail:</source>
        <translation>E-Mail:</translation>
    </message>
    <message>
        <source>Web:</source>
        <translation>Web:</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>FrmAdvanced</name>
    <message>
        <source>Advanced Variables</source>
        <translation>Erweiterte Variablen</translation>
    </message>
    <message>
        <source>Further PayPal variables for this button, one name=value a line, such as notify_url=https://www.example.com/ipn for PayPal&apos;s payment notifications. PayPal&apos;s HTML Variables reference lists them; what the wizard&apos;s pages give is not given here.</source>
        <translation>Weitere PayPal-Variablen für diese Schaltfläche, eine name=wert pro Zeile, etwa notify_url=https://www.example.com/ipn für PayPals Zahlungsbenachrichtigungen. PayPals Referenz der HTML-Variablen listet sie auf; was die Seiten des Assistenten festlegen, gehört nicht hierher.</translation>
    </message>
    <message>
        <source>&amp;Variables:</source>
        <translation>&amp;Variablen:</translation>
    </message>
    <message>
        <source>Advanced variables</source>
        <translation>Erweiterte Variablen</translation>
    </message>
    <message>
        <source>One name=value a line</source>
        <translation>Eine name=wert pro Zeile</translation>
    </message>
</context>
<context>
    <name>FrmOptions</name>
    <message>
        <source>Item Options</source>
        <translation>Artikeloptionen</translation>
    </message>
    <message>
        <source>Menus the buyer chooses from and boxes the buyer types into, shown above the button. Give each its name, and write a menu&apos;s choices one a line. PayPal takes at most %1 of them together.</source>
        <translation>Menüs zur Auswahl und Felder zum Eintippen für den Käufer, über der Schaltfläche. Geben Sie jedem einen Namen, die Auswahl eines Menüs eine pro Zeile. PayPal nimmt höchstens %1 zusammen an.</translation>
    </message>
    <message>
        <source>In the first menu a choice may have a price of its own, written after an equals sign, as in Large = 12.50; the buyer then pays the price of the choice.</source>
        <translation>Im ersten Menü kann eine Auswahl einen eigenen Preis haben, nach einem =, wie in Large = 12.50; der Käufer zahlt dann diesen Preis.</translation>
    </message>
    <message>
        <source>Menu &amp;1 name:</source>
        <translation>Menü &amp;1:</translation>
    </message>
    <message>
        <source>Menu 1 name</source>
        <translation>Name von Menü 1</translation>
    </message>
    <message>
        <source>Its choices:</source>
        <translation>Auswahl:</translation>
    </message>
    <message>
        <source>Menu 1 choices</source>
        <translation>Auswahl von Menü 1</translation>
    </message>
    <message>
        <source>One choice a line</source>
        <translation>Eine Auswahl pro Zeile</translation>
    </message>
    <message>
        <source>Menu &amp;2 name:</source>
        <translation>Menü &amp;2:</translation>
    </message>
    <message>
        <source>Menu 2 name</source>
        <translation>Name von Menü 2</translation>
    </message>
    <message>
        <source>Menu 2 choices</source>
        <translation>Auswahl von Menü 2</translation>
    </message>
    <message>
        <source>Menu &amp;3 name:</source>
        <translation>Menü &amp;3:</translation>
    </message>
    <message>
        <source>Menu 3 name</source>
        <translation>Name von Menü 3</translation>
    </message>
    <message>
        <source>Menu 3 choices</source>
        <translation>Auswahl von Menü 3</translation>
    </message>
    <message>
        <source>Menu &amp;4 name:</source>
        <translation>Menü &amp;4:</translation>
    </message>
    <message>
        <source>Menu 4 name</source>
        <translation>Name von Menü 4</translation>
    </message>
    <message>
        <source>Menu 4 choices</source>
        <translation>Auswahl von Menü 4</translation>
    </message>
    <message>
        <source>Menu &amp;5 name:</source>
        <translation>Menü &amp;5:</translation>
    </message>
    <message>
        <source>Menu 5 name</source>
        <translation>Name von Menü 5</translation>
    </message>
    <message>
        <source>Menu 5 choices</source>
        <translation>Auswahl von Menü 5</translation>
    </message>
    <message>
        <source>&amp;Text box 1 name:</source>
        <translation>&amp;Textfeld 1:</translation>
    </message>
    <message>
        <source>Text box 1 name</source>
        <translation>Name von Textfeld 1</translation>
    </message>
    <message>
        <source>Te&amp;xt box 2 name:</source>
        <translation>Te&amp;xtfeld 2:</translation>
    </message>
    <message>
        <source>Text box 2 name</source>
        <translation>Name von Textfeld 2</translation>
    </message>
    <message>
        <source>The buyer types up to 200 characters into a text box, such as a name to print.</source>
        <translation>Der Käufer gibt bis zu 200 Zeichen in ein Textfeld ein, etwa einen Namen.</translation>
    </message>
</context>
<context>
    <name>FrmPassphrase</name>
    <message>
        <source>Private Key Passphrase</source>
        <translation>Passphrase des privaten Schlüssels</translation>
    </message>
    <message>
        <source>Passphrase:</source>
        <translation>Passphrase:</translation>
    </message>
    <message>
        <source>Passphrase of your private key</source>
        <translation>Passphrase Ihres privaten Schlüssels</translation>
    </message>
</context>
<context>
    <name>FrmPaymentLink</name>
    <message>
        <source>PayPal Payment Link</source>
        <translation>PayPal-Zahlungslink</translation>
    </message>
    <message>
        <source>Make a payment link or button in your PayPal account and paste the address PayPal gives for it below. The wizard writes it as a plain link around a picture or a text, which works on any page, without JavaScript.</source>
        <translation>Erstellen Sie in Ihrem PayPal-Konto einen Zahlungslink oder Button und fügen Sie unten die Adresse ein, die PayPal dafür angibt. Der Assistent schreibt daraus einen einfachen Link um ein Bild oder einen Text, der auf jeder Seite ohne JavaScript funktioniert.</translation>
    </message>
    <message>
        <source>Payment link &amp;address:</source>
        <translation>Zahlungslink-&amp;Adresse:</translation>
    </message>
    <message>
        <source>Payment link address</source>
        <translation>Zahlungslink-Adresse</translation>
    </message>
    <message>
        <source>The address PayPal gives for the link, starting with https://www.paypal.com/ncp/payment/</source>
        <translation>Die Adresse, die PayPal für den Link angibt, beginnend mit https://www.paypal.com/ncp/payment/</translation>
    </message>
    <message>
        <source>Link &amp;text:</source>
        <translation>Link-&amp;Text:</translation>
    </message>
    <message>
        <source>Link text</source>
        <translation>Linktext</translation>
    </message>
    <message>
        <source>The words of the link; beside a picture, what is read to those who cannot see it</source>
        <translation>Die Worte des Links; neben einem Bild das, was denen vorgelesen wird, die es nicht sehen können</translation>
    </message>
    <message>
        <source>&amp;Picture:</source>
        <translation>&amp;Bild:</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>The picture inside the link, or none for a link of text alone</source>
        <translation>Das Bild im Link, oder keines für einen reinen Textlink</translation>
    </message>
    <message>
        <source>Own picture a&amp;ddress:</source>
        <translation>A&amp;dresse des eigenen Bildes:</translation>
    </message>
    <message>
        <source>Own picture address</source>
        <translation>Adresse des eigenen Bildes</translation>
    </message>
    <message>
        <source>What PayPal would make of the link</source>
        <translation>Was PayPal an dem Link bemängeln würde</translation>
    </message>
    <message>
        <source>HTML (not &amp;editable)</source>
        <translation>HTML (nicht &amp;änderbar)</translation>
    </message>
    <message>
        <source>HTML of the link</source>
        <translation>HTML des Links</translation>
    </message>
    <message>
        <source>&amp;Copy HTML</source>
        <translation>HTML &amp;kopieren</translation>
    </message>
    <message>
        <source>Copy HTML</source>
        <translation>HTML kopieren</translation>
    </message>
    <message>
        <source>Puts the link&apos;s HTML on the clipboard</source>
        <translation>Legt den HTML-Code des Links in die Zwischenablage</translation>
    </message>
    <message>
        <source>&amp;Insert HTML</source>
        <translation>HTML &amp;einfügen</translation>
    </message>
    <message>
        <source>Insert HTML</source>
        <translation>HTML einfügen</translation>
    </message>
    <message>
        <source>Puts the link into the page and closes</source>
        <translation>Setzt den Link in die Seite und schließt</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>FrmProtect</name>
    <message>
        <source>Protect Buttons from Tampering</source>
        <translation>Schaltflächen vor Manipulation schützen</translation>
    </message>
    <message>
        <source>An encrypted button carries its price and every other detail signed with your private key and encrypted for PayPal, so that no one can change them in your page. Make your key and certificate with openssl, upload the certificate to your PayPal profile, and download PayPal&apos;s certificate from the same page.</source>
        <translation>Eine verschlüsselte Schaltfläche trägt ihren Preis und jede andere Angabe mit Ihrem privaten Schlüssel signiert und für PayPal verschlüsselt, sodass niemand sie in Ihrer Seite ändern kann. Erstellen Sie Schlüssel und Zertifikat mit openssl, laden Sie das Zertifikat in Ihr PayPal-Profil hoch und laden Sie PayPals Zertifikat von derselben Seite herunter.</translation>
    </message>
    <message>
        <source>Encrypt my buttons</source>
        <translation>Meine Schaltflächen verschlüsseln</translation>
    </message>
    <message>
        <source>Certificate ID:</source>
        <translation>Zertifikat-ID:</translation>
    </message>
    <message>
        <source>Certificate ID</source>
        <translation>Zertifikat-ID</translation>
    </message>
    <message>
        <source>The ID PayPal shows beside your uploaded certificate</source>
        <translation>Die ID, die PayPal neben Ihrem hochgeladenen Zertifikat anzeigt</translation>
    </message>
    <message>
        <source>Your private key:</source>
        <translation>Ihr privater Schlüssel:</translation>
    </message>
    <message>
        <source>Your private key file</source>
        <translation>Datei Ihres privaten Schlüssels</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Durchsuchen…</translation>
    </message>
    <message>
        <source>Choose your private key file</source>
        <translation>Datei Ihres privaten Schlüssels wählen</translation>
    </message>
    <message>
        <source>Your certificate:</source>
        <translation>Ihr Zertifikat:</translation>
    </message>
    <message>
        <source>Your certificate file</source>
        <translation>Datei Ihres Zertifikats</translation>
    </message>
    <message>
        <source>Choose your certificate file</source>
        <translation>Datei Ihres Zertifikats wählen</translation>
    </message>
    <message>
        <source>PayPal&apos;s certificate:</source>
        <translation>PayPals Zertifikat:</translation>
    </message>
    <message>
        <source>PayPal&apos;s certificate file</source>
        <translation>Datei von PayPals Zertifikat</translation>
    </message>
    <message>
        <source>Choose PayPal&apos;s certificate file</source>
        <translation>Datei von PayPals Zertifikat wählen</translation>
    </message>
</context>
<context>
    <name>FrmStartup</name>
    <message>
        <source>for Microsoft FrontPage</source>
        <translation>für Microsoft FrontPage</translation>
    </message>
    <message>
        <source>&amp;First Time User? -&gt;</source>
        <translation>&amp;Zum ersten Mal hier? -&gt;</translation>
    </message>
    <message>
        <source>&amp;Start Building Buttons -&gt;</source>
        <translation>&amp;Schaltflächen erstellen -&gt;</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Einrichtung</translation>
    </message>
    <message>
        <source>Add to Cart</source>
        <translation>In den Warenkorb</translation>
    </message>
    <message>
        <source>View Cart</source>
        <translation>Warenkorb anzeigen</translation>
    </message>
    <message>
        <source>Buy Now</source>
        <translation>Jetzt kaufen</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Spenden</translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation>Abonnements</translation>
    </message>
    <message>
        <source>&amp;Please Donate</source>
        <translation>&amp;Bitte spenden</translation>
    </message>
    <message>
        <source>&amp;PayPal Merchant Signup</source>
        <translation>&amp;PayPal-Anmeldung</translation>
    </message>
    <message>
        <source>&amp;Other Software</source>
        <translation>&amp;Andere Software</translation>
    </message>
</context>
<context>
    <name>PageEditor</name>
    <message>
        <source>Page Editor</source>
        <translation>Seiteneditor</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Pre&amp;view in Browser</source>
        <translation>&amp;Vorschau im Browser</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>E&amp;infügen</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alles auswählen</translation>
    </message>
    <message>
        <source>Line &amp;Break</source>
        <translation>&amp;Zeilenumbruch</translation>
    </message>
    <message>
        <source>&amp;Horizontal Line</source>
        <translation>&amp;Horizontale Linie</translation>
    </message>
    <message>
        <source>&amp;Add-Ins...</source>
        <translation>&amp;Add-Ins...</translation>
    </message>
</context>
<context>
    <name>fmATC_1</name>
    <message>
        <source>Add a PayPay Shopping Cart to your site and your buyers will be able to make their purchases quickly and securely on PayPal hosted payment pages. Your customers will use the image you select below to add items to their shopping cart before they checkout.</source>
        <translation>Fügen Sie Ihrer Website einen PayPal-Warenkorb hinzu, und Ihre Käufer können ihre Einkäufe schnell und sicher auf den Zahlungsseiten von PayPal erledigen. Mit dem Bild, das Sie unten wählen, legen Ihre Kunden Artikel in den Warenkorb, bevor sie zur Kasse gehen.</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>of</source>
        <translation>/</translation>
    </message>
    <message>
        <source>- OR -</source>
        <translation>- ODER -</translation>
    </message>
    <message>
        <source>Yes, I would like to use my own button (HTTPS/Secured recommended).</source>
        <translation>Ja, eigene Schaltfläche verwenden (HTTPS/gesichert empfohlen).</translation>
    </message>
    <message>
        <source>Create a custom button.  Just enter the exact URL of any image on your website.</source>
        <translation>Eigene Schaltfläche: Geben Sie die genaue URL eines Bildes auf Ihrer Website ein.</translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>URL:</translation>
    </message>
    <message>
        <source>&amp;Copy HTML</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy the HTML to the clipboard (Ctrl+Shift+C)</source>
        <translation>HTML in die Zwischenablage kopieren (Strg+Umschalt+C)</translation>
    </message>
    <message>
        <source>&lt;- Previous</source>
        <translation>&lt;- Zurück</translation>
    </message>
    <message>
        <source>&amp;Next -&gt;</source>
        <translation>&amp;Weiter -&gt;</translation>
    </message>
    <message>
        <source>&amp;Insert HTML</source>
        <translation>&amp;Einfügen</translation>
    </message>
</context>
<context>
    <name>fmATC_2</name>
    <message>
        <source>On this page you will enter the details of the item you wish to sell. </source>
        <translation>Auf dieser Seite geben Sie die Angaben zu dem Artikel ein, den Sie verkaufen möchten. </translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>of</source>
        <translation>/</translation>
    </message>
    <message>
        <source>Item Name/Service</source>
        <translation>Artikelname/Leistung</translation>
    </message>
    <message>
        <source>Item ID/Number (optional)</source>
        <translation>Artikel-ID/-Nummer (optional)</translation>
    </message>
    <message>
        <source>Price of Item/Service you want to sell (&gt;$1,000 see PayPal Policies)</source>
        <translation>Preis des Artikels/der Leistung (&gt;1.000 $ siehe PayPal-Richtlinien)</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Währung</translation>
    </message>
    <message>
        <source>Would you like your customers to have the option of including a note with their payments?</source>
        <translation>Möchten Sie Ihren Kunden die Möglichkeit geben, ihrer Zahlung eine Mitteilung beizufügen?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Instructions for the note</source>
        <translation>Hinweis für die Mitteilung</translation>
    </message>
    <message>
        <source>I&amp;tem options…</source>
        <translation>&amp;Optionen…</translation>
    </message>
    <message>
        <source>Item options</source>
        <translation>Artikeloptionen</translation>
    </message>
    <message>
        <source>Drop-down menus and text boxes for the buyer, shown above the button</source>
        <translation>Auswahlmenüs und Textfelder für den Käufer, über der Schaltfläche angezeigt</translation>
    </message>
</context>
<context>
    <name>fmATC_3</name>
    <message>
        <source>Display your logo on your customers payment pages by entering the URL of the image.  The required size of the image is 150x50 pixels.</source>
        <translation>Zeigen Sie Ihr Logo auf den Zahlungsseiten Ihrer Kunden: Geben Sie die URL des Bildes ein. Das Bild muss 150x50 Pixel groß sein.</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>of</source>
        <translation>/</translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>URL:</translation>
    </message>
    <message>
        <source>Logo URL</source>
        <translation>Logo-URL</translation>
    </message>
    <message>
        <source>Recommend https:// but http:// will work too</source>
        <translation>https:// empfohlen, http:// funktioniert aber auch</translation>
    </message>
    <message>
        <source>Note: This option is only recommended if your logo is hosted on a secure server.</source>
        <translation>Hinweis: Nur empfohlen, wenn Ihr Logo auf einem sicheren Server liegt.</translation>
    </message>
    <message>
        <source>Successful Payment URL - This is where your customers will be sent after they complete payment to you</source>
        <translation>URL bei erfolgreicher Zahlung – hierhin kommen Ihre Kunden nach der Zahlung</translation>
    </message>
    <message>
        <source>Successful Payment URL</source>
        <translation>URL bei erfolgreicher Zahlung</translation>
    </message>
    <message>
        <source>(http://www.yoursite.com/thankyou.html)</source>
        <translation>(http://www.ihreseite.de/danke.html)</translation>
    </message>
    <message>
        <source>Cancel Payment URL - If the buyer does not complete payment for any reason, they will be returned to this URL.</source>
        <translation>URL bei abgebrochener Zahlung – hierhin kehrt der Käufer zurück, wenn er nicht zahlt.</translation>
    </message>
    <message>
        <source>Cancel Payment URL</source>
        <translation>URL bei abgebrochener Zahlung</translation>
    </message>
    <message>
        <source>(http://www.yoursite.com/cancelled.html)</source>
        <translation>(http://www.ihreseite.de/abbruch.html)</translation>
    </message>
    <message>
        <source>A&amp;dvanced variables…</source>
        <translation>Weitere &amp;Variablen…</translation>
    </message>
    <message>
        <source>Advanced variables</source>
        <translation>Erweiterte Variablen</translation>
    </message>
    <message>
        <source>Further PayPal variables for the button</source>
        <translation>Weitere PayPal-Variablen für die Schaltfläche</translation>
    </message>
</context>
<context>
    <name>fmATC_4</name>
    <message>
        <source>Here is a summary of what you have selected for this PayPal Add to Cart button. Use the &quot;Previous&quot; button to make any changes or press the &quot;Insert HTML&quot; button to complete the wizard. The button will be placed at the bottom of your HTML document.</source>
        <translation>Hier ist eine Zusammenfassung Ihrer Auswahl für diese PayPal-Schaltfläche „In den Warenkorb“. Mit „Zurück“ ändern Sie etwas, mit „Einfügen“ beenden Sie den Assistenten. Die Schaltfläche kommt ans Ende Ihres HTML-Dokuments.</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>of</source>
        <translation>/</translation>
    </message>
    <message>
        <source>Item Detail</source>
        <translation>Artikeldetails</translation>
    </message>
    <message>
        <source>HTML (not editable)</source>
        <translation>HTML (nicht bearbeitbar)</translation>
    </message>
    <message>
        <source>For additional information on PayPal parameters, please visit the PayPal Developer Network.</source>
        <translation>Weitere Informationen zu den PayPal-Parametern finden Sie im PayPal Developer Network.</translation>
    </message>
</context>
<context>
    <name>fmBN_1</name>
    <message>
        <source>Sell individual items on your website by creating a customized payment button. Your buyers will be able to make their purchases quickly and securely on PayPal hosted payment pages.</source>
        <translation>Verkaufen Sie einzelne Artikel auf Ihrer Website mit einer eigenen Zahlungsschaltfläche. Ihre Käufer können ihre Einkäufe schnell und sicher auf den Zahlungsseiten von PayPal erledigen.</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>of</source>
        <translation>/</translation>
    </message>
    <message>
        <source>- OR -</source>
        <translation>- ODER -</translation>
    </message>
    <message>
        <source>Yes, I would like to create my own custom button
(HTTPS/Secured recommended).</source>
        <translation>Ja, ich möchte meine eigene Schaltfläche erstellen
(HTTPS/gesichert empfohlen).</translation>
    </message>
    <message>
        <source>Create a custom button.  Just enter the exact URL of any image on your website.</source>
        <translation>Eigene Schaltfläche: Geben Sie die genaue URL eines Bildes auf Ihrer Website ein.</translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>URL:</translation>
    </message>
    <message>
        <source>&amp;Copy HTML</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy the HTML to the clipboard (Ctrl+Shift+C)</source>
        <translation>HTML in die Zwischenablage kopieren (Strg+Umschalt+C)</translation>
    </message>
    <message>
        <source>&lt;- Previous</source>
        <translation>&lt;- Zurück</translation>
    </message>
    <message>
        <source>&amp;Next -&gt;</source>
        <translation>&amp;Weiter -&gt;</translation>
    </message>
    <message>
        <source>&amp;Insert HTML</source>
        <translation>&amp;Einfügen</translation>
    </message>
</context>
<context>
    <name>fmBN_2</name>
    <message>
        <source>On this page you will enter the details of the item you wish to sell. </source>
        <translation>Auf dieser Seite geben Sie die Angaben zu dem Artikel ein, den Sie verkaufen möchten. </translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>of</source>
        <translation>/</translation>
    </message>
    <message>
        <source>Item Name/Service</source>
        <translation>Artikelname/Leistung</translation>
    </message>
    <message>
        <source>Item ID/Number (optional)</source>
        <translation>Artikel-ID/-Nummer (optional)</translation>
    </message>
    <message>
        <source>Price of Item/Service you want to sell (&gt;$1,000 see PayPal Policies)</source>
        <translation>Preis des Artikels/der Leistung (&gt;1.000 $ siehe PayPal-Richtlinien)</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Währung</translation>
    </message>
    <message>
        <source>Would you like to allow your buyers to purchase more than one of this item or service?</source>
        <translation>Dürfen Ihre Käufer mehr als ein Stück dieses Artikels oder dieser Leistung kaufen?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>I&amp;tem options…</source>
        <translation>&amp;Optionen…</translation>
    </message>
    <message>
        <source>Item options</source>
        <translation>Artikeloptionen</translation>
    </message>
    <message>
        <source>Drop-down menus and text boxes for the buyer, shown above the button</source>
        <translation>Auswahlmenüs und Textfelder für den Käufer, über der Schaltfläche angezeigt</translation>
    </message>
</context>
<context>
    <name>fmBN_3</name>
    <message>
        <source>Additional Shipping &amp; Handling Fees (optional)</source>
        <translation>Versand- und Bearbeitungsgebühren (optional)</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>of</source>
        <translation>/</translation>
    </message>
    <message>
        <source>Base Shipping: (Enter the shipping amount you wish to charge when only 1 item is purchased)</source>
        <translation>Grundversand: (Versandbetrag, wenn nur 1 Stück gekauft wird)</translation>
    </message>
    <message>
        <source>Extra Shipping: (Enter the shipping amount you wish to charge for each additional item purchased, when more than 1 quantity of the same item is ordered)</source>
        <translation>Versandzuschlag: (Der Versandbetrag für jedes weitere Stück, wenn mehr als 1 Stück desselben Artikels bestellt wird)</translation>
    </message>
    <message>
        <source>Handling: (Enter the handling amount you wish to charge. Handling is calculated once per order as a flat fee)</source>
        <translation>Bearbeitung: (Geben Sie die Bearbeitungsgebühr ein. Sie wird einmal pro Bestellung als Pauschale berechnet)</translation>
    </message>
    <message>
        <source>NOTE: If you would like to setup a generic method of calculating shipping and tax calculations cost for all items you sell, please login to your PayPal account and go to the Profile section, where you can edit Selling Preferences for Shipping Calculations.</source>
        <translation>HINWEIS: Möchten Sie Versand- und Steuerkosten für alle Ihre Artikel einheitlich berechnen, melden Sie sich bei Ihrem PayPal-Konto an und öffnen Sie den Bereich „Profil“, wo Sie die Verkaufseinstellungen für die Versandberechnung bearbeiten können.</translation>
    </message>
</context>
<context>
    <name>fmBN_4</name>
    <message>
        <source>Display your logo on your customers payment pages by entering the URL of the image.  The required size of the image is 150x50 pixels.</source>
        <translation>Zeigen Sie Ihr Logo auf den Zahlungsseiten Ihrer Kunden: Geben Sie die URL des Bildes ein. Das Bild muss 150x50 Pixel groß sein.</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>of</source>
        <translation>/</translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>URL:</translation>
    </message>
    <message>
        <source>Logo URL</source>
        <translation>Logo-URL</translation>
    </message>
    <message>
        <source>Recommend https:// but http:// will work too</source>
        <translation>https:// empfohlen, http:// funktioniert aber auch</translation>
    </message>
    <message>
        <source>Note: This option is only recommended if your logo is hosted on a secure server.</source>
        <translation>Hinweis: Nur empfohlen, wenn Ihr Logo auf einem sicheren Server liegt.</translation>
    </message>
    <message>
        <source>Successful Payment URL - This is where your customers will be sent after they complete payment to you</source>
        <translation>URL bei erfolgreicher Zahlung – hierhin kommen Ihre Kunden nach der Zahlung</translation>
    </message>
    <message>
        <source>Successful Payment URL</source>
        <translation>URL bei erfolgreicher Zahlung</translation>
    </message>
    <message>
        <source>(http://www.yoursite.com/thankyou.html)</source>
        <translation>(http://www.ihreseite.de/danke.html)</translation>
    </message>
    <message>
        <source>Cancel Payment URL - If the buyer does not complete payment for any reason, they will be returned to this URL.</source>
        <translation>URL bei abgebrochener Zahlung – hierhin kehrt der Käufer zurück, wenn er nicht zahlt.</translation>
    </message>
    <message>
        <source>Cancel Payment URL</source>
        <translation>URL bei abgebrochener Zahlung</translation>
    </message>
    <message>
        <source>(http://www.yoursite.com/cancelled.html)</source>
        <translation>(http://www.ihreseite.de/abbruch.html)</translation>
    </message>
    <message>
        <source>A&amp;dvanced variables…</source>
        <translation>Weitere &amp;Variablen…</translation>
    </message>
    <message>
        <source>Advanced variables</source>
        <translation>Erweiterte Variablen</translation>
    </message>
    <message>
        <source>Further PayPal variables for the button</source>
        <translation>Weitere PayPal-Variablen für die Schaltfläche</translation>
    </message>
</context>
<context>
    <name>fmBN_5</name>
    <message>
        <source>Here is a summary of what you have selected for this PayPal Add to Cart button. Use the &quot;Previous&quot; button to make any changes or press the &quot;Insert HTML&quot; button to complete the wizard. The button will be placed at the bottom of your HTML document.</source>
        <translation>Hier ist eine Zusammenfassung Ihrer Auswahl für diese PayPal-Schaltfläche „In den Warenkorb“. Mit „Zurück“ ändern Sie etwas, mit „Einfügen“ beenden Sie den Assistenten. Die Schaltfläche kommt ans Ende Ihres HTML-Dokuments.</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>of</source>
        <translation>/</translation>
    </message>
    <message>
        <source>Item Detail</source>
        <translation>Artikeldetails</translation>
    </message>
    <message>
        <source>HTML (not editable)</source>
        <translation>HTML (nicht bearbeitbar)</translation>
    </message>
    <message>
        <source>For additional information on PayPal parameters, please visit the PayPal Developer Network.</source>
        <translation>Weitere Informationen zu den PayPal-Parametern finden Sie im PayPal Developer Network.</translation>
    </message>
</context>
<context>
    <name>fmDON_1</name>
    <message>
        <source>PayPal Donations makes it easy for you to collect secure donations from your website. After inserting simple HTML code, you can collect your donations via secure PayPal payment pages.</source>
        <translation>Mit PayPal-Spenden nehmen Sie auf Ihrer Website einfach sichere Spenden an. Nach dem Einfügen von etwas HTML-Code erhalten Sie Ihre Spenden über die sicheren Zahlungsseiten von PayPal.</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>of</source>
        <translation>/</translation>
    </message>
    <message>
        <source>- OR -</source>
        <translation>- ODER -</translation>
    </message>
    <message>
        <source>Yes, I would like to create my own custom button
(HTTPS/Secured recommended).</source>
        <translation>Ja, ich möchte meine eigene Schaltfläche erstellen
(HTTPS/gesichert empfohlen).</translation>
    </message>
    <message>
        <source>Create a custom button.  Just enter the exact URL of any image on your website.</source>
        <translation>Eigene Schaltfläche: Geben Sie die genaue URL eines Bildes auf Ihrer Website ein.</translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>URL:</translation>
    </message>
    <message>
        <source>&amp;Copy HTML</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy the HTML to the clipboard (Ctrl+Shift+C)</source>
        <translation>HTML in die Zwischenablage kopieren (Strg+Umschalt+C)</translation>
    </message>
    <message>
        <source>&lt;- Previous</source>
        <translation>&lt;- Zurück</translation>
    </message>
    <message>
        <source>&amp;Next -&gt;</source>
        <translation>&amp;Weiter -&gt;</translation>
    </message>
    <message>
        <source>&amp;Insert HTML</source>
        <translation>&amp;Einfügen</translation>
    </message>
</context>
<context>
    <name>fmDON_2</name>
    <message>
        <source>On this page you will enter the details of the item you wish to sell. </source>
        <translation>Auf dieser Seite geben Sie die Angaben zu dem Artikel ein, den Sie verkaufen möchten. </translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>of</source>
        <translation>/</translation>
    </message>
    <message>
        <source>Donation Name/Service (optional)</source>
        <translation>Spendenname (optional)</translation>
    </message>
    <message>
        <source>Donation ID/Number (optional)</source>
        <translation>Spendennummer (optional)</translation>
    </message>
    <message>
        <source>If you are requesting a specific donation amount, please enter it below. Otherwise, leave this field blank to allow your donators to enter their own amount. (leave it blank)</source>
        <translation>Möchten Sie einen bestimmten Spendenbetrag, geben Sie ihn unten ein. Andernfalls lassen Sie das Feld leer, damit Ihre Spender ihren Betrag selbst eingeben. (leer lassen)</translation>
    </message>
    <message>
        <source>Donation Amount</source>
        <translation>Spendenbetrag</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Währung</translation>
    </message>
    <message>
        <source>Would you like your donators to have the option of including a note with their donation?</source>
        <translation>Möchten Sie Ihren Spendern die Möglichkeit geben, ihrer Spende eine Mitteilung beizufügen?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Instructions for the note</source>
        <translation>Hinweis für die Mitteilung</translation>
    </message>
</context>
<context>
    <name>fmSUB_1</name>
    <message>
        <source>PayPal Subscriptions lets you accept recurring payments for your service. Your subscribers will be able to subscribe quickly and securely from PayPal hosted payment pages where they can make initial payments (if necessary) and set up any future payments for the subscription.</source>
        <translation>Mit PayPal-Abonnements nehmen Sie wiederkehrende Zahlungen für Ihre Leistung an. Ihre Abonnenten schließen das Abonnement schnell und sicher auf den Zahlungsseiten von PayPal ab und leisten dort alle Zahlungen.</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>of</source>
        <translation>/</translation>
    </message>
    <message>
        <source>- OR -</source>
        <translation>- ODER -</translation>
    </message>
    <message>
        <source>Yes, I would like to create my own custom button
(HTTPS/Secured recommended).</source>
        <translation>Ja, ich möchte meine eigene Schaltfläche erstellen
(HTTPS/gesichert empfohlen).</translation>
    </message>
    <message>
        <source>Create a custom button.  Just enter the exact URL of any image on your website.</source>
        <translation>Eigene Schaltfläche: Geben Sie die genaue URL eines Bildes auf Ihrer Website ein.</translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>URL:</translation>
    </message>
    <message>
        <source>&amp;Copy HTML</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy the HTML to the clipboard (Ctrl+Shift+C)</source>
        <translation>HTML in die Zwischenablage kopieren (Strg+Umschalt+C)</translation>
    </message>
    <message>
        <source>&lt;- Previous</source>
        <translation>&lt;- Zurück</translation>
    </message>
    <message>
        <source>&amp;Next -&gt;</source>
        <translation>&amp;Weiter -&gt;</translation>
    </message>
    <message>
        <source>&amp;Insert HTML</source>
        <translation>&amp;Einfügen</translation>
    </message>
</context>
<context>
    <name>fmSUB_2</name>
    <message>
        <source>On this page you will enter the details of the item you wish to sell. </source>
        <translation>Auf dieser Seite geben Sie die Angaben zu dem Artikel ein, den Sie verkaufen möchten. </translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>of</source>
        <translation>/</translation>
    </message>
    <message>
        <source>Subscription Name:</source>
        <translation>Name des Abonnements:</translation>
    </message>
    <message>
        <source>Reference Item Number (optional)</source>
        <translation>Referenznummer (optional)</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Währung</translation>
    </message>
    <message>
        <source>I&amp;tem options…</source>
        <translation>&amp;Optionen…</translation>
    </message>
    <message>
        <source>Item options</source>
        <translation>Artikeloptionen</translation>
    </message>
    <message>
        <source>Drop-down menus and text boxes for the buyer, shown above the button</source>
        <translation>Auswahlmenüs und Textfelder für den Käufer, über der Schaltfläche angezeigt</translation>
    </message>
</context>
<context>
    <name>fmSUB_3</name>
    <message>
        <source>Billing and Payment Plan</source>
        <translation>Abrechnungs- und Zahlungsplan</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>of</source>
        <translation>/</translation>
    </message>
    <message>
        <source>Charge Customers:</source>
        <translation>Kunden belasten:</translation>
    </message>
    <message>
        <source>Charge customers</source>
        <translation>Kunden belasten</translation>
    </message>
    <message>
        <source>every</source>
        <translation>alle</translation>
    </message>
    <message>
        <source>Charge every (number)</source>
        <translation>Abbuchung alle (Anzahl)</translation>
    </message>
    <message>
        <source>Charge every (period)</source>
        <translation>Abbuchung alle (Zeitraum)</translation>
    </message>
    <message>
        <source>Keep charging customers regularly, or until they cancel</source>
        <translation>Kunden regelmäßig weiter belasten oder bis sie kündigen</translation>
    </message>
    <message>
        <source>Stop charging after</source>
        <translation>Abbuchung beenden nach</translation>
    </message>
    <message>
        <source>Stop charging after (number of payments)</source>
        <translation>Abbuchung beenden nach (Anzahl der Zahlungen)</translation>
    </message>
    <message>
        <source>Trial Period or Setup Fee (Optional)</source>
        <translation>Probezeitraum oder Einrichtungsgebühr (optional)</translation>
    </message>
    <message>
        <source>Trial period charge</source>
        <translation>Preis des Probezeitraums</translation>
    </message>
    <message>
        <source>for the first</source>
        <translation>für die ersten</translation>
    </message>
    <message>
        <source>Trial period length (number)</source>
        <translation>Länge des Probezeitraums (Anzahl)</translation>
    </message>
    <message>
        <source>Trial period length (period)</source>
        <translation>Länge des Probezeitraums (Zeitraum)</translation>
    </message>
    <message>
        <source>* Hint 1: Try $0 for the first month if you want to offer a free trial period.</source>
        <translation>* Tipp 1: 0 $ für den ersten Monat ergibt einen kostenlosen Probezeitraum.</translation>
    </message>
    <message>
        <source>* Hint 2: Try $20 for the first 1 day if you want to charge a setup fee.</source>
        <translation>* Tipp 2: 20 $ für den ersten 1 Tag ergibt eine Einrichtungsgebühr.</translation>
    </message>
</context>
<context>
    <name>fmVC_1</name>
    <message>
        <source>Select a &quot;View Cart&quot; button so that your users can view the contents of their shopping cart and/or check out.</source>
        <translation>Wählen Sie die Schaltfläche, mit der Kunden ihren Warenkorb ansehen und zur Kasse gehen.</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>of</source>
        <translation>/</translation>
    </message>
    <message>
        <source>- OR -</source>
        <translation>- ODER -</translation>
    </message>
    <message>
        <source>Yes, I would like to create my own custom button
(HTTPS/Secured recommended).</source>
        <translation>Ja, ich möchte meine eigene Schaltfläche erstellen
(HTTPS/gesichert empfohlen).</translation>
    </message>
    <message>
        <source>Create a custom button.  Just enter the exact URL of any image on your website.</source>
        <translation>Eigene Schaltfläche: Geben Sie die genaue URL eines Bildes auf Ihrer Website ein.</translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>URL:</translation>
    </message>
    <message>
        <source>A&amp;dvanced variables…</source>
        <translation>Weitere &amp;Variablen…</translation>
    </message>
    <message>
        <source>Advanced variables</source>
        <translation>Erweiterte Variablen</translation>
    </message>
    <message>
        <source>Further PayPal variables for the button</source>
        <translation>Weitere PayPal-Variablen für die Schaltfläche</translation>
    </message>
    <message>
        <source>&amp;Copy HTML</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy the HTML to the clipboard (Ctrl+Shift+C)</source>
        <translation>HTML in die Zwischenablage kopieren (Strg+Umschalt+C)</translation>
    </message>
    <message>
        <source>&lt;- Previous</source>
        <translation>&lt;- Zurück</translation>
    </message>
    <message>
        <source>&amp;Next -&gt;</source>
        <translation>&amp;Weiter -&gt;</translation>
    </message>
    <message>
        <source>&amp;Insert HTML</source>
        <translation>&amp;Einfügen</translation>
    </message>
</context>
<context>
    <name>fmVC_2</name>
    <message>
        <source>Here is a summary of what you have selected for this PayPal Add to Cart button. Use the &quot;Back&quot; button to make any changes or press the &quot;Insert HTML&quot; button to complete the wizard. The button will be placed at the bottom of your HTML document.</source>
        <translation>Hier ist eine Zusammenfassung Ihrer Auswahl für diese PayPal-Schaltfläche. Mit „Zurück“ können Sie noch etwas ändern, mit „Einfügen“ schließen Sie den Assistenten ab. Die Schaltfläche wird am Ende Ihres HTML-Dokuments eingefügt.</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>of</source>
        <translation>/</translation>
    </message>
    <message>
        <source>Item Detail</source>
        <translation>Artikeldetails</translation>
    </message>
    <message>
        <source>HTML (not editable)</source>
        <translation>HTML (nicht bearbeitbar)</translation>
    </message>
    <message>
        <source>For additional information on PayPal parameters, please visit the PayPal Developer Network.</source>
        <translation>Weitere Informationen zu den PayPal-Parametern finden Sie im PayPal Developer Network.</translation>
    </message>
</context>
<context>
    <name>frmExamples</name>
    <message>
        <source>Click on the buttons below to see some examples of the different kind of payment buttons you can create for your web site.</source>
        <translation>Klicken Sie auf die Schaltflächen unten, um Beispiele der verschiedenen Zahlungsschaltflächen zu sehen, die Sie für Ihre Website erstellen können.</translation>
    </message>
    <message>
        <source>Make sure you have a blank page open in FrontPage</source>
        <translation>Achten Sie darauf, dass in FrontPage eine leere Seite geöffnet ist</translation>
    </message>
    <message>
        <source>Buy Now Example</source>
        <translation>Beispiel „Jetzt kaufen“</translation>
    </message>
    <message>
        <source>Shopping Cart Example</source>
        <translation>Beispiel Warenkorb</translation>
    </message>
    <message>
        <source>Subscription Example</source>
        <translation>Beispiel Abonnement</translation>
    </message>
</context>
<context>
    <name>grpPage_0</name>
    <message>
        <source>Accept instant, secure payments from anyone with a credit card or checking account! </source>
        <translation>Sofortige, sichere Zahlungen von allen mit Kreditkarte oder Bankkonto! </translation>
    </message>
    <message>
        <source>Sell via auctions, websites, market places or email </source>
        <translation>Verkaufen Sie über Auktionen, Websites, Marktplätze oder E-Mail </translation>
    </message>
    <message>
        <source>No set up or monthly fees </source>
        <translation>Keine Einrichtungs- oder Monatsgebühren </translation>
    </message>
    <message>
        <source>Low transaction fees (as low as 2.2% + $0.30 per transaction) </source>
        <translation>Niedrige Transaktionsgebühren (ab 2,2 % + 0,30 $ pro Transaktion) </translation>
    </message>
    <message>
        <source>Instant availability of funds </source>
        <translation>Sofort verfügbare Gelder </translation>
    </message>
    <message>
        <source>Proven fraud and chargeback protection </source>
        <translation>Schutz vor Betrug und Rückbuchungen </translation>
    </message>
    <message>
        <source>Reliable customer service </source>
        <translation>Zuverlässiger Kundenservice </translation>
    </message>
    <message>
        <source>Accept international payments from 38 countries </source>
        <translation>Internationale Zahlungen aus 38 Ländern annehmen </translation>
    </message>
    <message>
        <source>Trusted by over 2 million businesses </source>
        <translation>2 Millionen Firmen vertrauen PayPal </translation>
    </message>
    <message>
        <source>Website Payments</source>
        <translation>Web-Zahlungen</translation>
    </message>
    <message>
        <source>Payment buttons for your own web pages.</source>
        <translation>Schaltflächen zum Bezahlen auf Ihren Webseiten.</translation>
    </message>
    <message>
        <source>Auction Payments</source>
        <translation>Auktionen</translation>
    </message>
    <message>
        <source>Get paid quickly for the items you sell at auction.</source>
        <translation>Schnell bezahlt für versteigerte Artikel.</translation>
    </message>
    <message>
        <source>Click here for the PayPal Developers Network</source>
        <translation>Hier klicken für das PayPal Developers Network</translation>
    </message>
    <message>
        <source>Technical notes and every variable a button can carry.</source>
        <translation>Technische Hinweise und alle Variablen einer Schaltfläche.</translation>
    </message>
</context>
<context>
    <name>grpSTART_1</name>
    <message>
        <source>OK, let&apos;s get started.  This wizard will allow you to pick the options you wish for your PayPal purchase buttons. </source>
        <translation>Los geht&apos;s. Mit diesem Assistenten wählen Sie die Optionen für Ihre PayPal-Zahlungsschaltflächen. </translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>1. Your PayPal Account is the email address you use to register your account with PayPal.  If you don&apos;t have a PayPal account yet, just enter your primary email address for now.</source>
        <translation>1. Ihr PayPal-Konto ist die E-Mail-Adresse, mit der Sie Ihr Konto bei PayPal registriert haben. Wenn Sie noch kein PayPal-Konto haben, geben Sie vorerst einfach Ihre wichtigste E-Mail-Adresse ein.</translation>
    </message>
    <message>
        <source>PayPal Account:</source>
        <translation>PayPal-Konto:</translation>
    </message>
    <message>
        <source>(email)</source>
        <translation>(E-Mail)</translation>
    </message>
    <message>
        <source>PayPal Privacy Policy</source>
        <translation>PayPal-Datenschutzerklärung</translation>
    </message>
    <message>
        <source>2. Click the TAB above of Purchase Button you would like to provide to your customers.</source>
        <translation>2. Klicken Sie oben auf die Registerkarte der Zahlungsschaltfläche, die Sie Ihren Kunden anbieten möchten.</translation>
    </message>
    <message>
        <source>Try my buttons in the sandbox</source>
        <translation>Meine Schaltflächen in der Sandbox testen</translation>
    </message>
    <message>
        <source>Buttons post to PayPal&apos;s test environment, where no real money moves</source>
        <translation>Schaltflächen senden an die Testumgebung von PayPal, in der kein echtes Geld fließt</translation>
    </message>
    <message>
        <source>Protect buttons from tampering…</source>
        <translation>Vor Manipulation schützen…</translation>
    </message>
    <message>
        <source>Protect buttons from tampering</source>
        <translation>Schaltflächen vor Manipulation schützen</translation>
    </message>
    <message>
        <source>Encrypt every button with your key and certificate</source>
        <translation>Jede Schaltfläche mit Ihrem Schlüssel und Zertifikat verschlüsseln</translation>
    </message>
    <message>
        <source>PayPal payment &amp;link…</source>
        <translation>PayPal-Zahlungs&amp;link…</translation>
    </message>
    <message>
        <source>PayPal payment link</source>
        <translation>PayPal-Zahlungslink</translation>
    </message>
    <message>
        <source>Write a link to a payment link or button made in your PayPal account</source>
        <translation>Einen Link auf einen Zahlungslink oder Button aus Ihrem PayPal-Konto schreiben</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Edits one HTML page as source text, with the add-ins registered for the current user and for every user.</source>
        <translation>Bearbeitet eine HTML-Seite als Quelltext, mit den Add-Ins, die für den aktuellen Benutzer und für alle Benutzer registriert sind.</translation>
    </message>
    <message>
        <source>The page to open; a new blank page when left out.</source>
        <translation>Die zu öffnende Seite; ohne Angabe eine neue leere Seite.</translation>
    </message>
    <message>
        <source>; the selection was handed back unchanged</source>
        <translation>; die Auswahl wurde unverändert zurückgegeben</translation>
    </message>
    <message>
        <source>cannot go on: %1</source>
        <translation>kann nicht fortfahren: %1</translation>
    </message>
    <message>
        <source>cannot open the wizard&apos;s window: %1</source>
        <translation>das Fenster des Assistenten lässt sich nicht öffnen: %1</translation>
    </message>
    <message>
        <source>the selection is larger than %1 MiB; it was handed back unchanged</source>
        <translation>die Auswahl ist größer als %1 MiB; sie wurde unverändert zurückgegeben</translation>
    </message>
    <message>
        <source>standard input is closed, so there is no selection to read; nothing was written</source>
        <translation>die Standardeingabe ist geschlossen, es gibt also keine Auswahl zu lesen; es wurde nichts geschrieben</translation>
    </message>
    <message>
        <source>standard output is closed, so the button would have nowhere to go; nothing was read</source>
        <translation>die Standardausgabe ist geschlossen, die Schaltfläche könnte also nirgendwohin; es wurde nichts gelesen</translation>
    </message>
    <message>
        <source>cannot read the selection from standard input: %1</source>
        <translation>die Auswahl lässt sich nicht von der Standardeingabe lesen: %1</translation>
    </message>
    <message>
        <source>cannot open the wizard&apos;s window: no display is set (DISPLAY or WAYLAND_DISPLAY)</source>
        <translation>das Fenster des Assistenten lässt sich nicht öffnen: es ist keine Anzeige gesetzt (DISPLAY oder WAYLAND_DISPLAY)</translation>
    </message>
    <message>
        <source>cannot use standard output</source>
        <translation>die Standardausgabe ist nicht nutzbar</translation>
    </message>
    <message>
        <source>Writes a PayPal payment button with the wizard. Insert HTML puts it on the clipboard; with --filter the selection comes on standard input and the button, or the selection unchanged, goes to standard output.</source>
        <translation>Schreibt mit dem Assistenten eine PayPal-Zahlungsschaltfläche. „Einfügen“ legt sie in die Zwischenablage; mit --filter kommt die Auswahl über die Standardeingabe, und die Schaltfläche oder die unveränderte Auswahl geht an die Standardausgabe.</translation>
    </message>
    <message>
        <source>Work as a text filter for an editor.</source>
        <translation>Als Textfilter für einen Editor arbeiten.</translation>
    </message>
</context>
<context>
    <name>ravelin::addin</name>
    <message>
        <source>&amp;PayPal Purchase Button Wizard</source>
        <translation>&amp;PayPal-Assistent für Zahlungsschaltflächen</translation>
    </message>
</context>
<context>
    <name>ravelin::addin::AddinTemplate</name>
    <message>
        <source>The new control is not a button.</source>
        <translation>Das neue Steuerelement ist keine Schaltfläche.</translation>
    </message>
</context>
<context>
    <name>ravelin::editor::AddinHost</name>
    <message>
        <source>the library %1 does not exist</source>
        <translation>die Bibliothek %1 existiert nicht</translation>
    </message>
    <message>
        <source>the library %1 cannot be loaded: %2</source>
        <translation>die Bibliothek %1 lässt sich nicht laden: %2</translation>
    </message>
    <message>
        <source>no class is registered for %1</source>
        <translation>für %1 ist keine Klasse registriert</translation>
    </message>
    <message>
        <source>no library is registered for the class %1</source>
        <translation>für die Klasse %1 ist keine Bibliothek registriert</translation>
    </message>
    <message>
        <source>the library %1 has no entry point DllGetClassObject</source>
        <translation>die Bibliothek %1 hat keinen Einsprungpunkt DllGetClassObject</translation>
    </message>
    <message>
        <source>the library %1 does not provide the class %2 (error %3)</source>
        <translation>die Bibliothek %1 stellt die Klasse %2 nicht bereit (Fehler %3)</translation>
    </message>
    <message>
        <source>the add-in object could not be created (error %1)</source>
        <translation>das Add-In-Objekt ließ sich nicht erstellen (Fehler %1)</translation>
    </message>
    <message>
        <source>no add-in %1 is registered</source>
        <translation>es ist kein Add-In %1 registriert</translation>
    </message>
    <message>
        <source>the add-in failed to connect: %1</source>
        <translation>das Add-In konnte sich nicht verbinden: %1</translation>
    </message>
    <message>
        <source>the add-in failed to connect</source>
        <translation>das Add-In konnte sich nicht verbinden</translation>
    </message>
</context>
<context>
    <name>ravelin::editor::AddinsDialog</name>
    <message>
        <source>Load at Startup</source>
        <translation>Beim Start laden</translation>
    </message>
    <message>
        <source>Load on Demand</source>
        <translation>Bei Bedarf laden</translation>
    </message>
    <message>
        <source>Load at Next Startup Only</source>
        <translation>Nur beim nächsten Start laden</translation>
    </message>
    <message>
        <source>Load by the user</source>
        <translation>Vom Benutzer geladen</translation>
    </message>
    <message>
        <source>(no library registered)</source>
        <translation>(keine Bibliothek registriert)</translation>
    </message>
    <message>
        <source>Not loaded: %1.</source>
        <translation>Nicht geladen: %1.</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Nicht verbunden</translation>
    </message>
</context>
<context>
    <name>ravelin::editor::EditorPrompts</name>
    <message>
        <source>HTML pages (*.html *.htm);;All files (*)</source>
        <translation>HTML-Seiten (*.html *.htm);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Page Editor</source>
        <translation>Seiteneditor</translation>
    </message>
    <message>
        <source>The page %1 has changes that are not saved.

Save them before closing it?</source>
        <translation>Die Seite %1 hat Änderungen, die nicht gespeichert sind.

Vor dem Schließen speichern?</translation>
    </message>
    <message>
        <source>Open Page</source>
        <translation>Seite öffnen</translation>
    </message>
    <message>
        <source>Save Page As</source>
        <translation>Seite speichern unter</translation>
    </message>
</context>
<context>
    <name>ravelin::editor::MenuCommandBars</name>
    <message>
        <source>The menu entry has been deleted.</source>
        <translation>Der Menüeintrag wurde gelöscht.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
    <message>
        <source>The menu %1 takes only buttons.</source>
        <translation>Das Menü %1 nimmt nur Schaltflächen auf.</translation>
    </message>
    <message>
        <source>The menu has been removed.</source>
        <translation>Das Menü wurde entfernt.</translation>
    </message>
    <message>
        <source>There is no command bar named %1.</source>
        <translation>Es gibt keine Befehlsleiste namens %1.</translation>
    </message>
</context>
<context>
    <name>ravelin::editor::PageDocument</name>
    <message>
        <source>The page is closed.</source>
        <translation>Die Seite ist geschlossen.</translation>
    </message>
</context>
<context>
    <name>ravelin::editor::PageEditor</name>
    <message>
        <source>Colours</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>The command %1 failed: %2</source>
        <translation>Der Befehl %1 ist fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>%1[*] - Page Editor</source>
        <translation>%1[*] - Seiteneditor</translation>
    </message>
    <message>
        <source>New page: %1</source>
        <translation>Neue Seite: %1</translation>
    </message>
    <message>
        <source>A registry of add-ins could not be read and was passed over: %1.</source>
        <translation>Eine Registrierung von Add-Ins ließ sich nicht lesen und wurde übergangen: %1.</translation>
    </message>
    <message>
        <source>These add-ins could not be loaded:

%1

Tools &gt; Add-Ins lists them.</source>
        <translation>Diese Add-Ins ließen sich nicht laden:

%1

Extras &gt; Add-Ins listet sie auf.</translation>
    </message>
    <message>
        <source>Cannot open %1: it has a line of %L2 characters. The page editor opens pages whose lines are at most %L3 characters long; break the line in another editor first.</source>
        <translation>%1 lässt sich nicht öffnen: Die Datei hat eine Zeile von %L2 Zeichen. Der Seiteneditor öffnet Seiten, deren Zeilen höchstens %L3 Zeichen lang sind; brechen Sie die Zeile zuerst in einem anderen Editor um.</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 gespeichert</translation>
    </message>
    <message>
        <source>untitled.html</source>
        <translation>unbenannt.html</translation>
    </message>
    <message>
        <source>Cannot make a copy of the page to preview: %1</source>
        <translation>Für die Vorschau lässt sich keine Kopie der Seite anlegen: %1</translation>
    </message>
    <message>
        <source>No browser could be started to show the page.

Choose your browser with the command
    xdg-settings set default-web-browser firefox-esr.desktop
(with the name of your browser&apos;s .desktop file), or name its program in the environment variable BROWSER, as in
    BROWSER=firefox page-editor</source>
        <translation>Es ließ sich kein Browser starten, um die Seite anzuzeigen.

Wählen Sie Ihren Browser mit dem Befehl
    xdg-settings set default-web-browser firefox-esr.desktop
(mit dem Namen der .desktop-Datei Ihres Browsers), oder nennen Sie sein Programm in der Umgebungsvariablen BROWSER, etwa
    BROWSER=firefox page-editor</translation>
    </message>
    <message>
        <source>Put the caret outside tags, comments, scripts, styles, text areas, titles and forms to insert there.</source>
        <translation>Setzen Sie die Einfügemarke außerhalb von Tags, Kommentaren, Skripten, Stilen, Textbereichen, Titeln und Formularen, um dort einzufügen.</translation>
    </message>
    <message>
        <source>No colours: the page is longer than %L1 characters</source>
        <translation>Keine Farben: Die Seite ist länger als %L1 Zeichen</translation>
    </message>
    <message>
        <source>Lines longer than %L1 characters are shown without colours</source>
        <translation>Zeilen, die länger als %L1 Zeichen sind, werden ohne Farben angezeigt</translation>
    </message>
</context>
<context>
    <name>ravelin::editor::PageFile</name>
    <message>
        <source>it declares the character set &quot;%1&quot;, which the page editor cannot read or write; it knows UTF-8, windows-1252, ISO-8859-1 and US-ASCII</source>
        <translation>sie gibt den Zeichensatz „%1“ an, den der Seiteneditor weder lesen noch schreiben kann; er kennt UTF-8, windows-1252, ISO-8859-1 und US-ASCII</translation>
    </message>
    <message>
        <source>it is UTF-16 text, which the page editor does not read</source>
        <translation>sie ist UTF-16-Text, den der Seiteneditor nicht liest</translation>
    </message>
    <message>
        <source>it is not UTF-8 text, the character set it declares or UTF-8 when it declares none: the bytes at line %1 are not a UTF-8 character</source>
        <translation>sie ist kein Text in UTF-8, dem Zeichensatz, den sie angibt, oder UTF-8, wenn sie keinen angibt: Die Bytes in Zeile %1 sind kein UTF-8-Zeichen</translation>
    </message>
    <message>
        <source>the character &quot;%1&quot; on line %2 is not in %3, the character set the page declares%4, and stands in a script, a style sheet or a comment, where a character reference would not stand for it</source>
        <translation>das Zeichen „%1“ in Zeile %2 gehört nicht zu %3, dem Zeichensatz, den die Seite angibt%4, und steht in einem Skript, einem Stylesheet oder einem Kommentar, wo ein Zeichenverweis nicht dafür stünde</translation>
    </message>
    <message>
        <source> (&quot;%1&quot; is read and written as %2, as browsers do)</source>
        <translation> („%1“ wird wie in Browsern als %2 gelesen und geschrieben)</translation>
    </message>
    <message>
        <source>Cannot open the page: %1.</source>
        <translation>Die Seite lässt sich nicht öffnen: %1.</translation>
    </message>
    <message>
        <source>Cannot open %1: there is no such file.</source>
        <translation>%1 lässt sich nicht öffnen: Die Datei existiert nicht.</translation>
    </message>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>%1 lässt sich nicht öffnen: %2.</translation>
    </message>
    <message>
        <source>Cannot save %1: %2. The page is still open and unchanged in the editor.</source>
        <translation>%1 lässt sich nicht speichern: %2. Die Seite ist im Editor weiterhin offen und unverändert.</translation>
    </message>
    <message>
        <source>Cannot save the page: %1. It is still open and unchanged in the editor.</source>
        <translation>Die Seite lässt sich nicht speichern: %1. Sie ist im Editor weiterhin offen und unverändert.</translation>
    </message>
</context>
<context>
    <name>ravelin::extras::FrmAbout</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Copyright © 2026 The %1 developers</source>
        <translation>Copyright © 2026 Die Entwickler von %1</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Version: </translation>
    </message>
    <message>
        <source>This program is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License as published by the Free Software Foundation, either version 3 of the License, or (at your option) any later version.</source>
        <translation>Dieses Programm ist freie Software: Sie können es unter den Bedingungen der GNU General Public License, wie von der Free Software Foundation veröffentlicht, weitergeben und/oder verändern, entweder gemäß Version 3 der Lizenz oder (nach Ihrer Wahl) jeder späteren Version.</translation>
    </message>
    <message>
        <source>This program is distributed in the hope that it will be useful, but WITHOUT ANY WARRANTY; without even the implied warranty of MERCHANTABILITY or FITNESS FOR A PARTICULAR PURPOSE.  See the GNU General Public License for more details.</source>
        <translation>Dieses Programm wird in der Hoffnung verbreitet, dass es nützlich ist, aber OHNE JEDE GEWÄHRLEISTUNG; sogar ohne die implizite Gewährleistung der MARKTFÄHIGKEIT oder EIGNUNG FÜR EINEN BESTIMMTEN ZWECK. Einzelheiten finden Sie in der GNU General Public License.</translation>
    </message>
    <message>
        <source>You should have received a copy of the GNU General Public License along with this program.  If not, see &lt;https://www.gnu.org/licenses/&gt;.</source>
        <translation>Sie sollten eine Kopie der GNU General Public License zusammen mit diesem Programm erhalten haben. Wenn nicht, siehe &lt;https://www.gnu.org/licenses/&gt;.</translation>
    </message>
</context>
<context>
    <name>ravelin::extras::UpdateCheck</name>
    <message>
        <source>A newer version of Ravelin Wizard has been found.  Would you like to download it now?</source>
        <translation>Eine neuere Version von Ravelin Wizard wurde gefunden. Möchten Sie sie jetzt herunterladen?</translation>
    </message>
    <message>
        <source>New Version</source>
        <translation>Neue Version</translation>
    </message>
    <message>
        <source>When the download begins, you will receive a dialog box on whether to OPEN/RUN or SAVE the program.  Choose the OPEN/RUN button to automatically install the update.  You will need to exit FrontPage for the Update to work.</source>
        <translation>Wenn der Download beginnt, werden Sie in einem Dialog gefragt, ob Sie das Programm ÖFFNEN/AUSFÜHREN oder SPEICHERN möchten. Wählen Sie ÖFFNEN/AUSFÜHREN, um das Update automatisch zu installieren. Damit das Update funktioniert, müssen Sie FrontPage beenden.</translation>
    </message>
</context>
<context>
    <name>ravelin::standalone</name>
    <message>
        <source>The button&apos;s HTML is on the clipboard: paste it into your page where the button belongs.</source>
        <translation>Das HTML der Schaltfläche liegt in der Zwischenablage: Fügen Sie es dort in Ihre Seite ein, wo die Schaltfläche hingehört.</translation>
    </message>
</context>
<context>
    <name>ravelin::standalone::FilterSession</name>
    <message>
        <source>could not write to standard output: %1</source>
        <translation>in die Standardausgabe ließ sich nicht schreiben: %1</translation>
    </message>
</context>
<context>
    <name>ravelin::wizard</name>
    <message>
        <source>Button picture %1</source>
        <translation>Schaltflächenbild %1</translation>
    </message>
    <message>
        <source>%1 button</source>
        <translation>Schaltfläche %1</translation>
    </message>
    <message>
        <source>small</source>
        <translation>klein</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>mittel</translation>
    </message>
    <message>
        <source>large</source>
        <translation>groß</translation>
    </message>
    <message>
        <source>with rounded ends</source>
        <translation>mit abgerundeten Enden</translation>
    </message>
    <message>
        <source>with card logos</source>
        <translation>mit Kartenlogos</translation>
    </message>
    <message>
        <source> (%1 × %2 pixels)</source>
        <translation> (%1 × %2 Pixel)</translation>
    </message>
</context>
<context>
    <name>ravelin::wizard::ButtonInPage</name>
    <message>
        <source>The button the wizard was opened on has changed in the page since, so the new button was not put in its place. Open the wizard on the button again, or copy the new button&apos;s HTML.</source>
        <translation>Die Schaltfläche, für die der Assistent geöffnet wurde, hat sich in der Seite inzwischen geändert; die neue Schaltfläche wurde deshalb nicht an ihre Stelle gesetzt. Öffnen Sie den Assistenten erneut auf der Schaltfläche oder kopieren Sie den HTML-Code der neuen Schaltfläche.</translation>
    </message>
</context>
<context>
    <name>ravelin::wizard::FrmPassphrase</name>
    <message>
        <source>The private key in %1 is protected by a passphrase. Passphrase:</source>
        <translation>Der private Schlüssel in %1 ist durch eine Passphrase geschützt. Passphrase:</translation>
    </message>
</context>
<context>
    <name>ravelin::wizard::FrmPaymentLink</name>
    <message>
        <source>None: the link text alone</source>
        <translation>Keines: nur der Linktext</translation>
    </message>
    <message>
        <source>My own picture, at the address below</source>
        <translation>Mein eigenes Bild, unter der Adresse unten</translation>
    </message>
    <message>
        <source>Copied to the clipboard.</source>
        <translation>In die Zwischenablage kopiert.</translation>
    </message>
</context>
<context>
    <name>ravelin::wizard::FrmProtect</name>
    <message>
        <source>Your Private Key</source>
        <translation>Ihr privater Schlüssel</translation>
    </message>
    <message>
        <source>Your Certificate</source>
        <translation>Ihr Zertifikat</translation>
    </message>
    <message>
        <source>PayPal&apos;s Certificate</source>
        <translation>PayPals Zertifikat</translation>
    </message>
    <message>
        <source>PEM files (*.pem *.crt *.cer *.key *.txt);;All files (*)</source>
        <translation>PEM-Dateien (*.pem *.crt *.cer *.key *.txt);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>ravelin::wizard::FrmStartup</name>
    <message>
        <source>Maker&apos;s web site</source>
        <translation>Website des Herstellers</translation>
    </message>
    <message>
        <source>Button type</source>
        <translation>Schaltflächentyp</translation>
    </message>
    <message>
        <source>Please enter your PayPal payment email address.</source>
        <translation>Bitte geben Sie die E-Mail-Adresse Ihres PayPal-Zahlungskontos ein.</translation>
    </message>
    <message>
        <source>The account address</source>
        <translation>Die Kontoadresse</translation>
    </message>
    <message>
        <source>Copied to the clipboard.</source>
        <translation>In die Zwischenablage kopiert.</translation>
    </message>
    <message>
        <source>The encryption settings</source>
        <translation>Die Verschlüsselungseinstellungen</translation>
    </message>
    <message>
        <source>The sandbox choice</source>
        <translation>Die Sandbox-Wahl</translation>
    </message>
    <message>
        <source>%1 could not be kept for the next time: %2. The wizard goes on with it; later failures to keep a setting are not told again.</source>
        <translation>%1 ließ sich nicht für das nächste Mal speichern: %2. Der Assistent arbeitet damit weiter; spätere Fehler beim Speichern einer Einstellung werden nicht erneut gemeldet.</translation>
    </message>
    <message>
        <source>Encrypted with ID %1</source>
        <translation>Verschlüsselt mit ID %1</translation>
    </message>
    <message>
        <source>PayPal will refuse or misread this button:</source>
        <translation>PayPal wird diese Schaltfläche ablehnen oder falsch lesen:</translation>
    </message>
    <message>
        <source>Step %1: %2</source>
        <translation>Schritt %1: %2</translation>
    </message>
    <message>
        <source>Insert it anyway?</source>
        <translation>Trotzdem einfügen?</translation>
    </message>
    <message>
        <source>Go to step %1</source>
        <translation>Zu Schritt %1</translation>
    </message>
    <message>
        <source>Step %1 has a problem: %2</source>
        <translation>Schritt %1 hat ein Problem: %2</translation>
    </message>
    <message>
        <source>Editing the button on line %1 of the page: Insert HTML puts the new one in its place.</source>
        <translation>Sie bearbeiten die Schaltfläche in Zeile %1 der Seite: „Einfügen“ setzt die neue an ihre Stelle.</translation>
    </message>
    <message>
        <source>It is encrypted, so its answers could not be read: give them again.</source>
        <translation>Sie ist verschlüsselt, ihre Angaben konnten daher nicht gelesen werden: Geben Sie sie erneut ein.</translation>
    </message>
    <message>
        <source>&amp;Replace with a PayPal payment link…</source>
        <translation>Durch PayPal-Zahlungslink &amp;ersetzen…</translation>
    </message>
    <message>
        <source>Replace with a PayPal payment link</source>
        <translation>Durch PayPal-Zahlungslink ersetzen</translation>
    </message>
    <message>
        <source>PayPal calls these buttons a legacy integration: the Setup page can replace it with a PayPal payment link.</source>
        <translation>PayPal nennt diese Schaltflächen eine veraltete Integration: Auf der Seite „Einrichtung“ lässt sie sich durch einen PayPal-Zahlungslink ersetzen.</translation>
    </message>
</context>
<context>
    <name>ravelin::wizard::Protection</name>
    <message>
        <source>Please choose the file of your private key.</source>
        <translation>Bitte wählen Sie die Datei Ihres privaten Schlüssels.</translation>
    </message>
    <message>
        <source>Please choose the file of your certificate.</source>
        <translation>Bitte wählen Sie die Datei Ihres Zertifikats.</translation>
    </message>
    <message>
        <source>Please choose the file of PayPal&apos;s certificate.</source>
        <translation>Bitte wählen Sie die Datei von PayPals Zertifikat.</translation>
    </message>
</context>
</TS>
