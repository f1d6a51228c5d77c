<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AddinsDialog</name>
    <message>
        <source>Add-Ins</source>
        <translation>Compléments</translation>
    </message>
    <message>
        <source>Add-ins &amp;available (a check mark connects the add-in):</source>
        <translation>Compléments &amp;disponibles (une coche connecte le complément)&#xa0;:</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Emplacement&#xa0;:</translation>
    </message>
    <message>
        <source>Load Behavior:</source>
        <translation>Chargement&#xa0;:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>État&#xa0;:</translation>
    </message>
</context>
<context>
    <name>Check</name>
    <message>
        <source>The %1 contains a double quote, which ends the value early in the button&apos;s HTML.</source>
        <translation>%1 contient un guillemet droit, qui termine la valeur trop tôt dans le HTML du bouton.</translation>
    </message>
    <message>
        <source>No PayPal account address is given.</source>
        <translation>Aucune adresse de compte PayPal n&apos;est indiquée.</translation>
    </message>
    <message>
        <source>The PayPal account address must not contain blanks.</source>
        <translation>L&apos;adresse du compte PayPal ne doit pas contenir d&apos;espaces.</translation>
    </message>
    <message>
        <source>PayPal account address</source>
        <translation>L&apos;adresse du compte PayPal</translation>
    </message>
    <message>
        <source>The PayPal account address can be at most 127 characters long.</source>
        <translation>L&apos;adresse du compte PayPal ne peut pas dépasser 127 caractères.</translation>
    </message>
    <message>
        <source>The PayPal account address must contain exactly one @, as in seller@example.com.</source>
        <translation>L&apos;adresse du compte PayPal doit contenir exactement un @, comme dans vendeur@example.com.</translation>
    </message>
    <message>
        <source>The PayPal account address needs a name before the @.</source>
        <translation>L&apos;adresse du compte PayPal doit comporter un nom avant le @.</translation>
    </message>
    <message>
        <source>The PayPal account address needs a domain with a dot after the @, such as example.com.</source>
        <translation>L&apos;adresse du compte PayPal doit comporter après le @ un domaine avec un point, comme example.com.</translation>
    </message>
    <message>
        <source>The %1 can be at most 127 characters long.</source>
        <translation>%1 ne peut pas dépasser 127 caractères.</translation>
    </message>
    <message>
        <source>The %1 contains &lt;, which your page will read as the start of HTML markup.</source>
        <translation>%1 contient un &lt;, que votre page lira comme le début d&apos;une balise HTML.</translation>
    </message>
    <message>
        <source>The currency must be one from the list; any other text sends no currency, and the payment service charges US dollars.</source>
        <translation>La devise doit être l&apos;une de celles de la liste&#xa0;; tout autre texte n&apos;envoie aucune devise, et le service de paiement facture en dollars américains.</translation>
    </message>
    <message>
        <source>PayPal takes %1 only for accounts in %2; an account elsewhere gets the payment in its own currency, converted for a fee.</source>
        <translation>PayPal n&apos;accepte les %1 que pour les comptes %2&#xa0;; un compte situé ailleurs reçoit le paiement dans sa propre devise, converti moyennant des frais.</translation>
    </message>
    <message>
        <source>note label</source>
        <translation>Le libellé de la note</translation>
    </message>
    <message>
        <source>The note label can be at most 40 characters long.</source>
        <translation>Le libellé de la note ne peut pas dépasser 40 caractères.</translation>
    </message>
    <message>
        <source>The note label still reads &quot;(optional instructions)&quot;; type the words the buyer should see above the note.</source>
        <translation>Le libellé de la note est encore «&#xa0;(optional instructions)&#xa0;»&#xa0;; saisissez les mots que l&apos;acheteur doit voir au-dessus de la note.</translation>
    </message>
    <message>
        <source>The %1 must not contain blanks.</source>
        <translation>%1 ne doit pas contenir d&apos;espaces.</translation>
    </message>
    <message>
        <source>The %1 cannot be negative.</source>
        <translation>%1 ne peut pas commencer par un signe moins.</translation>
    </message>
    <message>
        <source>The %1 must be written without a plus sign.</source>
        <translation>%1 doit s&apos;écrire sans signe plus.</translation>
    </message>
    <message>
        <source>The %1 must be a number such as %2, with a point for decimals and no thousands separators.</source>
        <translation>%1 doit être un nombre comme %2, avec un point pour les décimales et sans séparateur de milliers.</translation>
    </message>
    <message>
        <source>The %1 must be written out in digits, without an exponent.</source>
        <translation>%1 doit s&apos;écrire en chiffres, sans exposant.</translation>
    </message>
    <message>
        <source>The %1 must be a number such as %2.</source>
        <translation>%1 doit être un nombre comme %2.</translation>
    </message>
    <message>
        <source>%1 have no decimals, so the %2 must be a whole number.</source>
        <translation>Les %1 n&apos;ont pas de décimales. %2 doit donc être un nombre entier.</translation>
    </message>
    <message>
        <source>The %1 can have at most two decimals.</source>
        <translation>%1 ne peut pas avoir plus de deux décimales.</translation>
    </message>
    <message>
        <source>The %1 must be more than zero.</source>
        <translation>%1 doit dépasser zéro.</translation>
    </message>
    <message>
        <source>The %1 has more decimals than the currency has; the button asks for %2.</source>
        <translation>%1 a plus de décimales que la devise n&apos;en a&#xa0;; le bouton demande %2.</translation>
    </message>
    <message>
        <source>The %1 must be a full address starting with https:// or http://, such as https://www.example.com/ipn.</source>
        <translation>%1 doit être une adresse complète commençant par https:// ou http://, comme https://www.example.com/ipn.</translation>
    </message>
    <message>
        <source>The %1 is not a full address starting with https:// or http://, so it may not be found.</source>
        <translation>%1 n&apos;est pas une adresse complète commençant par https:// ou http://, elle risque donc de ne pas être trouvée.</translation>
    </message>
    <message>
        <source>The %1 must start with https:// or http://.</source>
        <translation>%1 doit commencer par https:// ou http://.</translation>
    </message>
    <message>
        <source>The %1 has a host name that is not valid.</source>
        <translation>%1 comporte un nom d&apos;hôte non valide.</translation>
    </message>
    <message>
        <source>The %1 has no host name after %2://, such as www.example.com.</source>
        <translation>%1 ne comporte pas de nom d&apos;hôte après %2://, comme www.example.com.</translation>
    </message>
    <message>
        <source>The %1 starts with http://, so secure pages may not show the picture; use https://.</source>
        <translation>%1 commence par http://, les pages sécurisées risquent donc de ne pas afficher l&apos;image&#xa0;; utilisez https://.</translation>
    </message>
    <message>
        <source>The %1 is left out of the button: an address of exactly seven characters is taken for the unchanged &quot;http://&quot;.</source>
        <translation>%1 ne figure pas dans le bouton&#xa0;: une adresse d&apos;exactement sept caractères est prise pour le «&#xa0;http://&#xa0;» inchangé.</translation>
    </message>
    <message>
        <source>return address</source>
        <translation>L&apos;adresse de retour</translation>
    </message>
    <message>
        <source>cancel address</source>
        <translation>L&apos;adresse d&apos;annulation</translation>
    </message>
    <message>
        <source>No button picture is chosen, so the button has nothing to click.</source>
        <translation>Aucune image de bouton n&apos;est choisie&#xa0;: le bouton n&apos;a rien sur quoi cliquer.</translation>
    </message>
    <message>
        <source>No address is given for your own button picture.</source>
        <translation>Aucune adresse n&apos;est indiquée pour votre propre image de bouton.</translation>
    </message>
    <message>
        <source>button picture address</source>
        <translation>L&apos;adresse de l&apos;image du bouton</translation>
    </message>
    <message>
        <source>days</source>
        <translation>jours</translation>
    </message>
    <message>
        <source>weeks</source>
        <translation>semaines</translation>
    </message>
    <message>
        <source>months</source>
        <translation>mois</translation>
    </message>
    <message>
        <source>years</source>
        <translation>années</translation>
    </message>
    <message>
        <source>The %1 must be a whole number, such as 1.</source>
        <translation>%1 doit être un nombre entier, comme 1.</translation>
    </message>
    <message>
        <source>A %1 in %2 can be from 1 to %3.</source>
        <translation>%1 en %2 peut aller de 1 à %3.</translation>
    </message>
    <message>
        <source>The %1 must be counted in days, weeks, months or years, as in the list.</source>
        <translation>%1 doit se compter en jours, semaines, mois ou années, comme dans la liste.</translation>
    </message>
    <message>
        <source>The first menu gives each choice its price, and PayPal charges that one, not this price.</source>
        <translation>Le premier menu donne à chaque choix son prix, et PayPal facture celui-là, pas ce prix-ci.</translation>
    </message>
    <message>
        <source>%1th</source>
        <translation>%1e</translation>
    </message>
    <message>
        <source>%1st</source>
        <translation>%1e</translation>
    </message>
    <message>
        <source>%1nd</source>
        <translation>%1e</translation>
    </message>
    <message>
        <source>%1rd</source>
        <translation>%1e</translation>
    </message>
    <message>
        <source>option name</source>
        <translation>Le nom de l&apos;option</translation>
    </message>
    <message>
        <source>The option name can be at most 64 characters long.</source>
        <translation>Le nom de l&apos;option ne peut pas dépasser 64 caractères.</translation>
    </message>
    <message>
        <source>The menu has no choices; write them one a line.</source>
        <translation>Le menu n&apos;a aucun choix&#xa0;; écrivez-en un par ligne.</translation>
    </message>
    <message>
        <source>The choice %1 contains a double quote, which ends the value early in the button&apos;s HTML.</source>
        <translation>Le choix %1 contient un guillemet droit, qui termine la valeur trop tôt dans le HTML du bouton.</translation>
    </message>
    <message>
        <source>The choice %1 is longer than the 64 characters PayPal takes.</source>
        <translation>Le choix %1 dépasse les 64 caractères qu&apos;accepte PayPal.</translation>
    </message>
    <message>
        <source>The choice %1 has no price; once one choice of the menu has a price, each needs one, as in Large = 12.50.</source>
        <translation>Le choix %1 n&apos;a pas de prix&#xa0;; dès qu&apos;un choix du menu a un prix, chacun en a besoin, comme dans Large = 12.50.</translation>
    </message>
    <message>
        <source>The choice %1 has no price after its =.</source>
        <translation>Le choix %1 n&apos;a pas de prix après son =.</translation>
    </message>
    <message>
        <source>price of %1</source>
        <translation>Le prix de %1</translation>
    </message>
    <message>
        <source>PayPal takes prices for at most 10 choices; this menu has %1.</source>
        <translation>PayPal accepte des prix pour 10 choix au plus&#xa0;; ce menu en a %1.</translation>
    </message>
    <message>
        <source>The menu has choices but no name; PayPal shows the name above the menu and sends it with the choice.</source>
        <translation>Le menu a des choix mais pas de nom&#xa0;; PayPal affiche le nom au-dessus du menu et l&apos;envoie avec le choix.</translation>
    </message>
    <message>
        <source>The choice %1 gives a price, but Subscribe buttons take no prices in their menus; PayPal shows the whole line as the choice.</source>
        <translation>Le choix %1 indique un prix, mais les boutons d&apos;abonnement n&apos;acceptent pas de prix dans leurs menus&#xa0;; PayPal affiche toute la ligne comme choix.</translation>
    </message>
    <message>
        <source>The choice %1 gives a price, but only the first menu can give its choices prices; PayPal shows the whole line as the choice.</source>
        <translation>Le choix %1 indique un prix, mais seul le premier menu peut donner des prix à ses choix&#xa0;; PayPal affiche toute la ligne comme choix.</translation>
    </message>
    <message>
        <source>PayPal takes at most %1 options on this button, menus and text boxes together; this is the %2.</source>
        <translation>PayPal accepte au plus %1 options sur ce bouton, menus et zones de texte confondus&#xa0;; celle-ci est la %2.</translation>
    </message>
    <message>
        <source>value of %1</source>
        <translation>La valeur de %1</translation>
    </message>
    <message>
        <source>PayPal takes %1 only as %2 or %3, not %4.</source>
        <translation>PayPal n&apos;accepte %1 que sous la forme %2 ou %3, pas %4.</translation>
    </message>
    <message>
        <source>PayPal takes at most %1 characters in %2.</source>
        <translation>PayPal accepte au plus %1 caractères dans %2.</translation>
    </message>
    <message>
        <source>PayPal takes lc only as a country code of two capital letters, such as DE, or one of its locales, such as de_DE, not %1.</source>
        <translation>PayPal n&apos;accepte lc que sous la forme d&apos;un code de pays de deux majuscules, comme FR, ou de l&apos;un de ses paramètres régionaux, comme fr_FR, pas %1.</translation>
    </message>
    <message>
        <source>The %1 address is empty.</source>
        <translation>L&apos;adresse %1 est vide.</translation>
    </message>
    <message>
        <source>%1 address</source>
        <translation>L&apos;adresse %1</translation>
    </message>
    <message>
        <source>The line %1 has no =; write each variable as name=value.</source>
        <translation>La ligne %1 n&apos;a pas de =&#xa0;; écrivez chaque variable sous la forme nom=valeur.</translation>
    </message>
    <message>
        <source>The line %1 has no name before its =.</source>
        <translation>La ligne %1 n&apos;a pas de nom avant son =.</translation>
    </message>
    <message>
        <source>variable name %1</source>
        <translation>Le nom de variable %1</translation>
    </message>
    <message>
        <source>The wizard writes charset itself when the button needs it.</source>
        <translation>L&apos;assistant écrit lui-même charset quand le bouton en a besoin.</translation>
    </message>
    <message>
        <source>The variable %1 is a field of the item options; give them with &quot;Item options&quot; on the item page.</source>
        <translation>La variable %1 est un champ des options de l&apos;article&#xa0;; indiquez-les avec «&#xa0;Options de l&apos;article&#xa0;» sur la page de l&apos;article.</translation>
    </message>
    <message>
        <source>The variable %1 is a field of item options, which PayPal takes only on Buy Now, Add to Cart and Subscribe buttons.</source>
        <translation>La variable %1 est un champ des options d&apos;article, que PayPal n&apos;accepte que sur les boutons Acheter, Ajouter au panier et S&apos;abonner.</translation>
    </message>
    <message>
        <source>The wizard already writes %1 for this button from its pages; change it there.</source>
        <translation>L&apos;assistant écrit déjà %1 pour ce bouton à partir de ses pages&#xa0;; modifiez-le là.</translation>
    </message>
    <message>
        <source>The variable %1 is given twice; PayPal would read only one.</source>
        <translation>La variable %1 est indiquée deux fois&#xa0;; PayPal n&apos;en lirait qu&apos;une.</translation>
    </message>
    <message>
        <source>PayPal&apos;s list of variables has no %1, so PayPal will ignore it.</source>
        <translation>La liste des variables de PayPal ne contient pas %1, PayPal l&apos;ignorera donc.</translation>
    </message>
    <message>
        <source>With no item name, the buyer is asked to type what they are paying for.</source>
        <translation>Sans nom d&apos;article, l&apos;acheteur doit saisir ce qu&apos;il paie.</translation>
    </message>
    <message>
        <source>item name</source>
        <translation>Le nom de l&apos;article</translation>
    </message>
    <message>
        <source>item number</source>
        <translation>Le numéro d&apos;article</translation>
    </message>
    <message>
        <source>With no price, the buyer is asked to type the amount.</source>
        <translation>Sans prix, l&apos;acheteur doit saisir le montant.</translation>
    </message>
    <message>
        <source>price</source>
        <translation>Le prix</translation>
    </message>
    <message>
        <source>base shipping</source>
        <translation>Le montant de l&apos;expédition de base</translation>
    </message>
    <message>
        <source>extra shipping</source>
        <translation>Le montant de l&apos;expédition supplémentaire</translation>
    </message>
    <message>
        <source>Extra shipping is never charged, because the buyer cannot buy more than one of this item.</source>
        <translation>L&apos;expédition supplémentaire n&apos;est jamais facturée, car l&apos;acheteur ne peut pas acheter plus d&apos;un exemplaire de cet article.</translation>
    </message>
    <message>
        <source>handling</source>
        <translation>Le montant des frais de traitement</translation>
    </message>
    <message>
        <source>logo address</source>
        <translation>L&apos;adresse du logo</translation>
    </message>
    <message>
        <source>With no item name, the cart shows the item unnamed.</source>
        <translation>Sans nom d&apos;article, le panier affiche l&apos;article sans nom.</translation>
    </message>
    <message>
        <source>No price is given; an item in the cart needs one.</source>
        <translation>Aucun prix n&apos;est indiqué&#xa0;; un article du panier en a besoin.</translation>
    </message>
    <message>
        <source>donation name</source>
        <translation>Le nom du don</translation>
    </message>
    <message>
        <source>donation number</source>
        <translation>Le numéro du don</translation>
    </message>
    <message>
        <source>donation amount</source>
        <translation>Le montant du don</translation>
    </message>
    <message>
        <source>With no subscription name, the subscriber is asked to type what they are paying for.</source>
        <translation>Sans nom d&apos;abonnement, l&apos;abonné doit saisir ce qu&apos;il paie.</translation>
    </message>
    <message>
        <source>subscription name</source>
        <translation>Le nom de l&apos;abonnement</translation>
    </message>
    <message>
        <source>reference number</source>
        <translation>Le numéro de référence</translation>
    </message>
    <message>
        <source>No subscription price is given.</source>
        <translation>Aucun prix d&apos;abonnement n&apos;est indiqué.</translation>
    </message>
    <message>
        <source>subscription price</source>
        <translation>Le prix de l&apos;abonnement</translation>
    </message>
    <message>
        <source>billing cycle</source>
        <translation>Le cycle de facturation</translation>
    </message>
    <message>
        <source>With &quot;Stop charging after&quot;, the number of payments must be a whole number from 2 to 52.</source>
        <translation>Avec «&#xa0;Arrêter après&#xa0;», le nombre de paiements doit être un nombre entier de 2 à 52.</translation>
    </message>
    <message>
        <source>Neither way of charging is chosen, so the subscriber is charged only once.</source>
        <translation>Aucun des deux modes de prélèvement n&apos;est choisi&#xa0;: l&apos;abonné n&apos;est donc débité qu&apos;une fois.</translation>
    </message>
    <message>
        <source>trial price</source>
        <translation>Le prix de la période d&apos;essai</translation>
    </message>
    <message>
        <source>trial period</source>
        <translation>La période d&apos;essai</translation>
    </message>
    <message>
        <source>US dollars</source>
        <translation>dollars américains</translation>
    </message>
    <message>
        <source>pounds sterling</source>
        <translation>livres sterling</translation>
    </message>
    <message>
        <source>euros</source>
        <translation>euros</translation>
    </message>
    <message>
        <source>Canadian dollars</source>
        <translation>dollars canadiens</translation>
    </message>
    <message>
        <source>Japanese yen</source>
        <translation>yens japonais</translation>
    </message>
    <message>
        <source>Australian dollars</source>
        <translation>dollars australiens</translation>
    </message>
    <message>
        <source>Brazilian reais</source>
        <translation>réaux brésiliens</translation>
    </message>
    <message>
        <source>Brazil</source>
        <translation>au Brésil</translation>
    </message>
    <message>
        <source>Chinese renminbi</source>
        <translation>renminbis chinois</translation>
    </message>
    <message>
        <source>China</source>
        <translation>en Chine</translation>
    </message>
    <message>
        <source>Czech korunas</source>
        <translation>couronnes tchèques</translation>
    </message>
    <message>
        <source>Danish kroner</source>
        <translation>couronnes danoises</translation>
    </message>
    <message>
        <source>Hong Kong dollars</source>
        <translation>dollars de Hong Kong</translation>
    </message>
    <message>
        <source>Hungarian forints</source>
        <translation>forints hongrois</translation>
    </message>
    <message>
        <source>Israeli new shekels</source>
        <translation>nouveaux shekels israéliens</translation>
    </message>
    <message>
        <source>Malaysian ringgits</source>
        <translation>ringgits malaisiens</translation>
    </message>
    <message>
        <source>Malaysia</source>
        <translation>en Malaisie</translation>
    </message>
    <message>
        <source>Mexican pesos</source>
        <translation>pesos mexicains</translation>
    </message>
    <message>
        <source>New Zealand dollars</source>
        <translation>dollars néo-zélandais</translation>
    </message>
    <message>
        <source>Norwegian kroner</source>
        <translation>couronnes norvégiennes</translation>
    </message>
    <message>
        <source>Philippine pesos</source>
        <translation>pesos philippins</translation>
    </message>
    <message>
        <source>Polish zlotys</source>
        <translation>zlotys polonais</translation>
    </message>
    <message>
        <source>Singapore dollars</source>
        <translation>dollars de Singapour</translation>
    </message>
    <message>
        <source>Swedish kronor</source>
        <translation>couronnes suédoises</translation>
    </message>
    <message>
        <source>Swiss francs</source>
        <translation>francs suisses</translation>
    </message>
    <message>
        <source>New Taiwan dollars</source>
        <translation>nouveaux dollars de Taïwan</translation>
    </message>
    <message>
        <source>Thai baht</source>
        <translation>bahts thaïlandais</translation>
    </message>
    <message>
        <source>Paste the address PayPal gives for your payment link, such as %1.</source>
        <translation>Collez l&apos;adresse que PayPal donne pour votre lien de paiement, par exemple %1.</translation>
    </message>
    <message>
        <source>The payment link must not contain blanks or line breaks.</source>
        <translation>Le lien de paiement ne doit contenir ni espaces ni retours à la ligne.</translation>
    </message>
    <message>
        <source>The payment link must start with https://, as in %1.</source>
        <translation>Le lien de paiement doit commencer par https://, comme dans %1.</translation>
    </message>
    <message>
        <source>The payment link must not hold a user name or password before its host; PayPal&apos;s links start with https://www.paypal.com/.</source>
        <translation>Le lien de paiement ne doit contenir ni nom d&apos;utilisateur ni mot de passe avant son hôte ; les liens de PayPal commencent par https://www.paypal.com/.</translation>
    </message>
    <message>
        <source>The payment link must not name a port; PayPal&apos;s links start with https://www.paypal.com/.</source>
        <translation>Le lien de paiement ne doit pas indiquer de port ; les liens de PayPal commencent par https://www.paypal.com/.</translation>
    </message>
    <message>
        <source>PayPal&apos;s payment links are on www.%1; write https://www.%1%2.</source>
        <translation>Les liens de paiement de PayPal sont sur www.%1 ; écrivez https://www.%1%2.</translation>
    </message>
    <message>
        <source>The payment link leads to %1, not to PayPal: its host must be %2, or %3 for tests.</source>
        <translation>Le lien de paiement mène à %1, pas à PayPal : son hôte doit être %2, ou %3 pour les tests.</translation>
    </message>
    <message>
        <source>This is not a payment link: after the host PayPal&apos;s links go on with %1 and the link&apos;s ID.</source>
        <translation>Ce n&apos;est pas un lien de paiement : après l&apos;hôte, les liens de PayPal continuent par %1 et l&apos;identifiant du lien.</translation>
    </message>
    <message>
        <source>The payment link goes on after its ID (%1); it must end with the ID, or with a query after ?.</source>
        <translation>Le lien de paiement continue après son identifiant (%1) ; il doit se terminer par l&apos;identifiant, ou par une requête après ?.</translation>
    </message>
    <message>
        <source>The payment link has no ID after %1; copy the whole link from PayPal.</source>
        <translation>Le lien de paiement n&apos;a pas d&apos;identifiant après %1 ; copiez le lien entier depuis PayPal.</translation>
    </message>
    <message>
        <source>The payment link&apos;s ID (%1) must be letters and digits only.</source>
        <translation>L&apos;identifiant du lien de paiement (%1) ne doit contenir que des lettres et des chiffres.</translation>
    </message>
    <message>
        <source>The payment link must not end in a # part; PayPal&apos;s links end with the ID or a query.</source>
        <translation>Le lien de paiement ne doit pas se terminer par une partie # ; les liens de PayPal se terminent par l&apos;identifiant ou une requête.</translation>
    </message>
    <message>
        <source>The payment link&apos;s query (?%1) holds characters an address does not; copy it again from PayPal.</source>
        <translation>La requête du lien de paiement (?%1) contient des caractères qu&apos;une adresse ne contient pas ; copiez-la à nouveau depuis PayPal.</translation>
    </message>
    <message>
        <source>With no link text and no picture, the link cannot be seen or clicked: give it a text or choose a picture.</source>
        <translation>Sans texte ni image, le lien ne peut être ni vu ni cliqué : donnez-lui un texte ou choisissez une image.</translation>
    </message>
    <message>
        <source>With no link text, those who cannot see the picture hear nothing of what it does: give it a text such as &quot;Pay with PayPal&quot;.</source>
        <translation>Sans texte, ceux qui ne voient pas l&apos;image n&apos;entendent rien de ce qu&apos;elle fait : donnez-lui un texte comme « Payer avec PayPal ».</translation>
    </message>
</context>
<context>
    <name>FrmAbout</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Version: 1.00</source>
        <translation>Version&#xa0;: 1.00</translation>
    </message>
    <message>
        <source>Licence notice</source>
        <translation>Avis de licence</translation>
    </message>
    <message>
        <source>E-Mail:</source>
        <translation>E-mail&#xa0;:</translation>
    </message>
    <message>
        <source>Web:</source>
        <translation>Web&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>FrmAdvanced</name>
    <message>
        <source>Advanced Variables</source>
        <translation>Variables avancées</translation>
    </message>
    <message>
        <source>Further PayPal variables for this button, one name=value a line, such as notify_url=https://www.example.com/ipn for PayPal&apos;s payment notifications. PayPal&apos;s HTML Variables reference lists them; what the wizard&apos;s pages give is not given here.</source>
        <translation>D&apos;autres variables PayPal pour ce bouton, un nom=valeur par ligne, comme notify_url=https://www.example.com/ipn pour les notifications de paiement. La référence des variables HTML de PayPal les énumère&#xa0;; ce que donnent les pages n&apos;a rien à faire ici.</translation>
    </message>
    <message>
        <source>&amp;Variables:</source>
        <translation>&amp;Variables&#xa0;:</translation>
    </message>
    <message>
        <source>Advanced variables</source>
        <translation>Variables avancées</translation>
    </message>
    <message>
        <source>One name=value a line</source>
        <translation>Une paire nom=valeur par ligne</translation>
    </message>
</context>
<context>
    <name>FrmOptions</name>
    <message>
        <source>Item Options</source>
        <translation>Options de l&apos;article</translation>
    </message>
    <message>
        <source>Menus the buyer chooses from and boxes the buyer types into, shown above the button. Give each its name, and write a menu&apos;s choices one a line. PayPal takes at most %1 of them together.</source>
        <translation>Des menus où l&apos;acheteur choisit et des zones où il écrit, au-dessus du bouton. Nommez-les, et écrivez les choix d&apos;un menu un par ligne. PayPal en accepte %1 au plus.</translation>
    </message>
    <message>
        <source>In the first menu a choice may have a price of its own, written after an equals sign, as in Large = 12.50; the buyer then pays the price of the choice.</source>
        <translation>Dans le premier menu, un choix peut avoir son prix après un =, comme dans Large = 12.50&#xa0;; l&apos;acheteur paie alors ce prix.</translation>
    </message>
    <message>
        <source>Menu &amp;1 name:</source>
        <translation>Menu &amp;1&#xa0;:</translation>
    </message>
    <message>
        <source>Menu 1 name</source>
        <translation>Nom du menu 1</translation>
    </message>
    <message>
        <source>Its choices:</source>
        <translation>Choix&#xa0;:</translation>
    </message>
    <message>
        <source>Menu 1 choices</source>
        <translation>Choix du menu 1</translation>
    </message>
    <message>
        <source>One choice a line</source>
        <translation>Un choix par ligne</translation>
    </message>
    <message>
        <source>Menu &amp;2 name:</source>
        <translation>Menu &amp;2&#xa0;:</translation>
    </message>
    <message>
        <source>Menu 2 name</source>
        <translation>Nom du menu 2</translation>
    </message>
    <message>
        <source>Menu 2 choices</source>
        <translation>Choix du menu 2</translation>
    </message>
    <message>
        <source>Menu &amp;3 name:</source>
        <translation>Menu &amp;3&#xa0;:</translation>
    </message>
    <message>
        <source>Menu 3 name</source>
        <translation>Nom du menu 3</translation>
    </message>
    <message>
        <source>Menu 3 choices</source>
        <translation>Choix du menu 3</translation>
    </message>
    <message>
        <source>Menu &amp;4 name:</source>
        <translation>Menu &amp;4&#xa0;:</translation>
    </message>
    <message>
        <source>Menu 4 name</source>
        <translation>Nom du menu 4</translation>
    </message>
    <message>
        <source>Menu 4 choices</source>
        <translation>Choix du menu 4</translation>
    </message>
    <message>
        <source>Menu &amp;5 name:</source>
        <translation>Menu &amp;5&#xa0;:</translation>
    </message>
    <message>
        <source>Menu 5 name</source>
        <translation>Nom du menu 5</translation>
    </message>
    <message>
        <source>Menu 5 choices</source>
        <translation>Choix du menu 5</translation>
    </message>
    <message>
        <source>&amp;Text box 1 name:</source>
        <translation>Zone de &amp;texte 1&#xa0;:</translation>
    </message>
    <message>
        <source>Text box 1 name</source>
        <translation>Nom de la zone de texte 1</translation>
    </message>
    <message>
        <source>Te&amp;xt box 2 name:</source>
        <translation>Zone de te&amp;xte 2&#xa0;:</translation>
    </message>
    <message>
        <source>Text box 2 name</source>
        <translation>Nom de la zone de texte 2</translation>
    </message>
    <message>
        <source>The buyer types up to 200 characters into a text box, such as a name to print.</source>
        <translation>L&apos;acheteur écrit jusqu&apos;à 200 caractères dans une zone de texte, comme un nom.</translation>
    </message>
</context>
<context>
    <name>FrmPassphrase</name>
    <message>
        <source>Private Key Passphrase</source>
        <translation>Phrase secrète de la clé privée</translation>
    </message>
    <message>
        <source>Passphrase:</source>
        <translation>Phrase secrète&#xa0;:</translation>
    </message>
    <message>
        <source>Passphrase of your private key</source>
        <translation>Phrase secrète de votre clé privée</translation>
    </message>
</context>
<context>
    <name>FrmPaymentLink</name>
    <message>
        <source>PayPal Payment Link</source>
        <translation>Lien de paiement PayPal</translation>
    </message>
    <message>
        <source>Make a payment link or button in your PayPal account and paste the address PayPal gives for it below. The wizard writes it as a plain link around a picture or a text, which works on any page, without JavaScript.</source>
        <translation>Créez un lien ou un bouton de paiement dans votre compte PayPal et collez ci-dessous l&apos;adresse que PayPal donne pour lui. L&apos;assistant l&apos;écrit comme un simple lien autour d&apos;une image ou d&apos;un texte, qui fonctionne sur toute page, sans JavaScript.</translation>
    </message>
    <message>
        <source>Payment link &amp;address:</source>
        <translation>&amp;Adresse du lien de paiement :</translation>
    </message>
    <message>
        <source>Payment link address</source>
        <translation>Adresse du lien de paiement</translation>
    </message>
    <message>
        <source>The address PayPal gives for the link, starting with https://www.paypal.com/ncp/payment/</source>
        <translation>L&apos;adresse que PayPal donne pour le lien, commençant par https://www.paypal.com/ncp/payment/</translation>
    </message>
    <message>
        <source>Link &amp;text:</source>
        <translation>&amp;Texte du lien :</translation>
    </message>
    <message>
        <source>Link text</source>
        <translation>Texte du lien</translation>
    </message>
    <message>
        <source>The words of the link; beside a picture, what is read to those who cannot see it</source>
        <translation>Les mots du lien ; à côté d&apos;une image, ce qui est lu à ceux qui ne peuvent pas la voir</translation>
    </message>
    <message>
        <source>&amp;Picture:</source>
        <translation>Ima&amp;ge :</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>The picture inside the link, or none for a link of text alone</source>
        <translation>L&apos;image dans le lien, ou aucune pour un lien fait du seul texte</translation>
    </message>
    <message>
        <source>Own picture a&amp;ddress:</source>
        <translation>A&amp;dresse de votre image :</translation>
    </message>
    <message>
        <source>Own picture address</source>
        <translation>Adresse de votre image</translation>
    </message>
    <message>
        <source>What PayPal would make of the link</source>
        <translation>Ce que PayPal ferait de ce lien</translation>
    </message>
    <message>
        <source>HTML (not &amp;editable)</source>
        <translation>HTML (non &amp;modifiable)</translation>
    </message>
    <message>
        <source>HTML of the link</source>
        <translation>HTML du lien</translation>
    </message>
    <message>
        <source>&amp;Copy HTML</source>
        <translation>&amp;Copier le HTML</translation>
    </message>
    <message>
        <source>Copy HTML</source>
        <translation>Copier le HTML</translation>
    </message>
    <message>
        <source>Puts the link&apos;s HTML on the clipboard</source>
        <translation>Place le code HTML du lien dans le presse-papiers</translation>
    </message>
    <message>
        <source>&amp;Insert HTML</source>
        <translation>&amp;Insérer le HTML</translation>
    </message>
    <message>
        <source>Insert HTML</source>
        <translation>Insérer le HTML</translation>
    </message>
    <message>
        <source>Puts the link into the page and closes</source>
        <translation>Place le lien dans la page et ferme</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>FrmProtect</name>
    <message>
        <source>Protect Buttons from Tampering</source>
        <translation>Protéger les boutons contre la falsification</translation>
    </message>
    <message>
        <source>An encrypted button carries its price and every other detail signed with your private key and encrypted for PayPal, so that no one can change them in your page. Make your key and certificate with openssl, upload the certificate to your PayPal profile, and download PayPal&apos;s certificate from the same page.</source>
        <translation>Un bouton chiffré porte son prix et tous ses autres détails signés avec votre clé privée et chiffrés pour PayPal, de sorte que personne ne peut les modifier dans votre page. Créez votre clé et votre certificat avec openssl, téléversez le certificat dans votre profil PayPal et téléchargez le certificat de PayPal depuis la même page.</translation>
    </message>
    <message>
        <source>Encrypt my buttons</source>
        <translation>Chiffrer mes boutons</translation>
    </message>
    <message>
        <source>Certificate ID:</source>
        <translation>ID du certificat&#xa0;:</translation>
    </message>
    <message>
        <source>Certificate ID</source>
        <translation>ID du certificat</translation>
    </message>
    <message>
        <source>The ID PayPal shows beside your uploaded certificate</source>
        <translation>L&apos;ID que PayPal affiche à côté de votre certificat téléversé</translation>
    </message>
    <message>
        <source>Your private key:</source>
        <translation>Votre clé privée&#xa0;:</translation>
    </message>
    <message>
        <source>Your private key file</source>
        <translation>Fichier de votre clé privée</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Parcourir…</translation>
    </message>
    <message>
        <source>Choose your private key file</source>
        <translation>Choisir le fichier de votre clé privée</translation>
    </message>
    <message>
        <source>Your certificate:</source>
        <translation>Votre certificat&#xa0;:</translation>
    </message>
    <message>
        <source>Your certificate file</source>
        <translation>Fichier de votre certificat</translation>
    </message>
    <message>
        <source>Choose your certificate file</source>
        <translation>Choisir le fichier de votre certificat</translation>
    </message>
    <message>
        <source>PayPal&apos;s certificate:</source>
        <translation>Certificat de PayPal&#xa0;:</translation>
    </message>
    <message>
        <source>PayPal&apos;s certificate file</source>
        <translation>Fichier du certificat de PayPal</translation>
    </message>
    <message>
        <source>Choose PayPal&apos;s certificate file</source>
        <translation>Choisir le fichier du certificat de PayPal</translation>
    </message>
</context>
<context>
    <name>FrmStartup</name>
    <message>
        <source>for Microsoft FrontPage</source>
        <translation>pour Microsoft FrontPage</translation>
    </message>
    <message>
        <source>&amp;First Time User? -&gt;</source>
        <translation>Première &amp;utilisation&#xa0;? -&gt;</translation>
    </message>
    <message>
        <source>&amp;Start Building Buttons -&gt;</source>
        <translation>&amp;Créer des boutons -&gt;</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Add to Cart</source>
        <translation>Ajouter au panier</translation>
    </message>
    <message>
        <source>View Cart</source>
        <translation>Voir le panier</translation>
    </message>
    <message>
        <source>Buy Now</source>
        <translation>Acheter</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Faire un don</translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation>Abonnements</translation>
    </message>
    <message>
        <source>&amp;Please Donate</source>
        <translation>&amp;Faites un don</translation>
    </message>
    <message>
        <source>&amp;PayPal Merchant Signup</source>
        <translation>Inscription &amp;PayPal</translation>
    </message>
    <message>
        <source>&amp;Other Software</source>
        <translation>&amp;Autres logiciels</translation>
    </message>
</context>
<context>
    <name>PageEditor</name>
    <message>
        <source>Page Editor</source>
        <translation>Éditeur de pages</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Insertion</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Pre&amp;view in Browser</source>
        <translation>&amp;Aperçu dans le navigateur</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>Line &amp;Break</source>
        <translation>&amp;Saut de ligne</translation>
    </message>
    <message>
        <source>&amp;Horizontal Line</source>
        <translation>Ligne &amp;horizontale</translation>
    </message>
    <message>
        <source>&amp;Add-Ins...</source>
        <translation>&amp;Compléments...</translation>
    </message>
</context>
<context>
    <name>fmATC_1</name>
    <message>
        <source>Add a PayPay Shopping Cart to your site and your buyers will be able to make their purchases quickly and securely on PayPal hosted payment pages. Your customers will use the image you select below to add items to their shopping cart before they checkout.</source>
        <translation>Ajoutez un panier PayPal à votre site&#xa0;: vos acheteurs pourront régler leurs achats rapidement et en toute sécurité sur les pages de paiement hébergées par PayPal. Vos clients utiliseront l&apos;image choisie ci-dessous pour ajouter des articles à leur panier avant de payer.</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Étape</translation>
    </message>
    <message>
        <source>of</source>
        <translation>/</translation>
    </message>
    <message>
        <source>- OR -</source>
        <translation>- OU -</translation>
    </message>
    <message>
        <source>Yes, I would like to use my own button (HTTPS/Secured recommended).</source>
        <translation>Oui, utiliser mon propre bouton (HTTPS/sécurisé recommandé).</translation>
    </message>
    <message>
        <source>Create a custom button.  Just enter the exact URL of any image on your website.</source>
        <translation>Bouton personnalisé&#xa0;: saisissez l&apos;URL exacte d&apos;une image de votre site web.</translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>URL:</translation>
    </message>
    <message>
        <source>&amp;Copy HTML</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copy the HTML to the clipboard (Ctrl+Shift+C)</source>
        <translation>Copier le HTML dans le presse-papiers (Ctrl+Maj+C)</translation>
    </message>
    <message>
        <source>&lt;- Previous</source>
        <translation>&lt;- Retour</translation>
    </message>
    <message>
        <source>&amp;Next -&gt;</source>
        <translation>&amp;Suivant -&gt;</translation>
    </message>
    <message>
        <source>&amp;Insert HTML</source>
        <translation>&amp;Insérer</translation>
    </message>
</context>
<context>
    <name>fmATC_2</name>
    <message>
        <source>On this page you will enter the details of the item you wish to sell. </source>
        <translation>Sur cette page, vous saisissez les détails de l&apos;article que vous souhaitez vendre. </translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Étape</translation>
    </message>
    <message>
        <source>of</source>
        <translation>/</translation>
    </message>
    <message>
        <source>Item Name/Service</source>
        <translation>Nom de l&apos;article/du service</translation>
    </message>
    <message>
        <source>Item ID/Number (optional)</source>
        <translation>ID/numéro de l&apos;article (facultatif)</translation>
    </message>
    <message>
        <source>Price of Item/Service you want to sell (&gt;$1,000 see PayPal Policies)</source>
        <translation>Prix de l&apos;article/du service (&gt;1 000 $&#xa0;: voir les règles de PayPal)</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Devise</translation>
    </message>
    <message>
        <source>Would you like your customers to have the option of including a note with their payments?</source>
        <translation>Souhaitez-vous que vos clients aient la possibilité de joindre une note à leur paiement&#xa0;?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Instructions for the note</source>
        <translation>Instructions pour la note</translation>
    </message>
    <message>
        <source>I&amp;tem options…</source>
        <translation>&amp;Options…</translation>
    </message>
    <message>
        <source>Item options</source>
        <translation>Options de l&apos;article</translation>
    </message>
    <message>
        <source>Drop-down menus and text boxes for the buyer, shown above the button</source>
        <translation>Menus déroulants et zones de texte pour l&apos;acheteur, affichés au-dessus du bouton</translation>
    </message>
</context>
<context>
    <name>fmATC_3</name>
    <message>
        <source>Display your logo on your customers payment pages by entering the URL of the image.  The required size of the image is 150x50 pixels.</source>
        <translation>Affichez votre logo sur les pages de paiement de vos clients&#xa0;: saisissez l&apos;URL de l&apos;image. L&apos;image doit mesurer 150x50 pixels.</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Étape</translation>
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
        <translation>URL du logo</translation>
    </message>
    <message>
        <source>Recommend https:// but http:// will work too</source>
        <translation>https:// recommandé, mais http:// fonctionne aussi</translation>
    </message>
    <message>
        <source>Note: This option is only recommended if your logo is hosted on a secure server.</source>
        <translation>Remarque&#xa0;: recommandé seulement si votre logo est sur un serveur sécurisé.</translation>
    </message>
    <message>
        <source>Successful Payment URL - This is where your customers will be sent after they complete payment to you</source>
        <translation>URL de paiement réussi&#xa0;: c&apos;est là que vos clients sont dirigés une fois leur paiement effectué</translation>
    </message>
    <message>
        <source>Successful Payment URL</source>
        <translation>URL de paiement réussi</translation>
    </message>
    <message>
        <source>(http://www.yoursite.com/thankyou.html)</source>
        <translation>(http://www.votresite.fr/merci.html)</translation>
    </message>
    <message>
        <source>Cancel Payment URL - If the buyer does not complete payment for any reason, they will be returned to this URL.</source>
        <translation>URL de paiement annulé&#xa0;: si l&apos;acheteur ne termine pas son paiement, pour quelque raison que ce soit, il revient à cette URL.</translation>
    </message>
    <message>
        <source>Cancel Payment URL</source>
        <translation>URL de paiement annulé</translation>
    </message>
    <message>
        <source>(http://www.yoursite.com/cancelled.html)</source>
        <translation>(http://www.votresite.fr/annule.html)</translation>
    </message>
    <message>
        <source>A&amp;dvanced variables…</source>
        <translation>&amp;Variables avancées…</translation>
    </message>
    <message>
        <source>Advanced variables</source>
        <translation>Variables avancées</translation>
    </message>
    <message>
        <source>Further PayPal variables for the button</source>
        <translation>D&apos;autres variables PayPal pour le bouton</translation>
    </message>
</context>
<context>
    <name>fmATC_4</name>
    <message>
        <source>Here is a summary of what you have selected for this PayPal Add to Cart button. Use the &quot;Previous&quot; button to make any changes or press the &quot;Insert HTML&quot; button to complete the wizard. The button will be placed at the bottom of your HTML document.</source>
        <translation>Voici un récapitulatif de ce que vous avez choisi pour ce bouton PayPal Ajouter au panier. Utilisez le bouton «&#xa0;Retour&#xa0;» pour modifier quelque chose, ou le bouton «&#xa0;Insérer&#xa0;» pour terminer l&apos;assistant. Le bouton sera placé à la fin de votre document HTML.</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Étape</translation>
    </message>
    <message>
        <source>of</source>
        <translation>/</translation>
    </message>
    <message>
        <source>Item Detail</source>
        <translation>Détails de l&apos;article</translation>
    </message>
    <message>
        <source>HTML (not editable)</source>
        <translation>HTML (non modifiable)</translation>
    </message>
    <message>
        <source>For additional information on PayPal parameters, please visit the PayPal Developer Network.</source>
        <translation>Pour en savoir plus sur les paramètres PayPal, consultez le PayPal Developer Network.</translation>
    </message>
</context>
<context>
    <name>fmBN_1</name>
    <message>
        <source>Sell individual items on your website by creating a customized payment button. Your buyers will be able to make their purchases quickly and securely on PayPal hosted payment pages.</source>
        <translation>Vendez des articles à l&apos;unité sur votre site web grâce à un bouton de paiement personnalisé. Vos acheteurs pourront régler leurs achats rapidement et en toute sécurité sur les pages de paiement hébergées par PayPal.</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Étape</translation>
    </message>
    <message>
        <source>of</source>
        <translation>/</translation>
    </message>
    <message>
        <source>- OR -</source>
        <translation>- OU -</translation>
    </message>
    <message>
        <source>Yes, I would like to create my own custom button
(HTTPS/Secured recommended).</source>
        <translation>Oui, je souhaite créer mon propre bouton
(HTTPS/sécurisé recommandé).</translation>
    </message>
    <message>
        <source>Create a custom button.  Just enter the exact URL of any image on your website.</source>
        <translation>Bouton personnalisé&#xa0;: saisissez l&apos;URL exacte d&apos;une image de votre site web.</translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>URL:</translation>
    </message>
    <message>
        <source>&amp;Copy HTML</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copy the HTML to the clipboard (Ctrl+Shift+C)</source>
        <translation>Copier le HTML dans le presse-papiers (Ctrl+Maj+C)</translation>
    </message>
    <message>
        <source>&lt;- Previous</source>
        <translation>&lt;- Retour</translation>
    </message>
    <message>
        <source>&amp;Next -&gt;</source>
        <translation>&amp;Suivant -&gt;</translation>
    </message>
    <message>
        <source>&amp;Insert HTML</source>
        <translation>&amp;Insérer</translation>
    </message>
</context>
<context>
    <name>fmBN_2</name>
    <message>
        <source>On this page you will enter the details of the item you wish to sell. </source>
        <translation>Sur cette page, vous saisissez les détails de l&apos;article que vous souhaitez vendre. </translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Étape</translation>
    </message>
    <message>
        <source>of</source>
        <translation>/</translation>
    </message>
    <message>
        <source>Item Name/Service</source>
        <translation>Nom de l&apos;article/du service</translation>
    </message>
    <message>
        <source>Item ID/Number (optional)</source>
        <translation>ID/numéro de l&apos;article (facultatif)</translation>
    </message>
    <message>
        <source>Price of Item/Service you want to sell (&gt;$1,000 see PayPal Policies)</source>
        <translation>Prix de l&apos;article/du service (&gt;1 000 $&#xa0;: voir les règles de PayPal)</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Devise</translation>
    </message>
    <message>
        <source>Would you like to allow your buyers to purchase more than one of this item or service?</source>
        <translation>Vos acheteurs peuvent-ils acheter plusieurs exemplaires de cet article ou service&#xa0;?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>I&amp;tem options…</source>
        <translation>&amp;Options…</translation>
    </message>
    <message>
        <source>Item options</source>
        <translation>Options de l&apos;article</translation>
    </message>
    <message>
        <source>Drop-down menus and text boxes for the buyer, shown above the button</source>
        <translation>Menus déroulants et zones de texte pour l&apos;acheteur, affichés au-dessus du bouton</translation>
    </message>
</context>
<context>
    <name>fmBN_3</name>
    <message>
        <source>Additional Shipping &amp; Handling Fees (optional)</source>
        <translation>Frais d&apos;expédition et de traitement (facultatif)</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Étape</translation>
    </message>
    <message>
        <source>of</source>
        <translation>/</translation>
    </message>
    <message>
        <source>Base Shipping: (Enter the shipping amount you wish to charge when only 1 item is purchased)</source>
        <translation>Expédition de base&#xa0;: (montant facturé quand un seul article est acheté)</translation>
    </message>
    <message>
        <source>Extra Shipping: (Enter the shipping amount you wish to charge for each additional item purchased, when more than 1 quantity of the same item is ordered)</source>
        <translation>Expédition supplémentaire&#xa0;: (montant d&apos;expédition facturé pour chaque exemplaire en plus, quand le même article est commandé plusieurs fois)</translation>
    </message>
    <message>
        <source>Handling: (Enter the handling amount you wish to charge. Handling is calculated once per order as a flat fee)</source>
        <translation>Traitement&#xa0;: (saisissez les frais de traitement à facturer&#xa0;; ils sont comptés une fois par commande, de façon forfaitaire)</translation>
    </message>
    <message>
        <source>NOTE: If you would like to setup a generic method of calculating shipping and tax calculations cost for all items you sell, please login to your PayPal account and go to the Profile section, where you can edit Selling Preferences for Shipping Calculations.</source>
        <translation>REMARQUE&#xa0;: si vous souhaitez une méthode générale de calcul des frais d&apos;expédition et des taxes pour tous vos articles, connectez-vous à votre compte PayPal et ouvrez la section Profil, où vous pouvez modifier les préférences de vente pour le calcul de l&apos;expédition.</translation>
    </message>
</context>
<context>
    <name>fmBN_4</name>
    <message>
        <source>Display your logo on your customers payment pages by entering the URL of the image.  The required size of the image is 150x50 pixels.</source>
        <translation>Affichez votre logo sur les pages de paiement de vos clients&#xa0;: saisissez l&apos;URL de l&apos;image. L&apos;image doit mesurer 150x50 pixels.</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Étape</translation>
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
        <translation>URL du logo</translation>
    </message>
    <message>
        <source>Recommend https:// but http:// will work too</source>
        <translation>https:// recommandé, mais http:// fonctionne aussi</translation>
    </message>
    <message>
        <source>Note: This option is only recommended if your logo is hosted on a secure server.</source>
        <translation>Remarque&#xa0;: recommandé seulement si votre logo est sur un serveur sécurisé.</translation>
    </message>
    <message>
        <source>Successful Payment URL - This is where your customers will be sent after they complete payment to you</source>
        <translation>URL de paiement réussi&#xa0;: c&apos;est là que vos clients sont dirigés une fois leur paiement effectué</translation>
    </message>
    <message>
        <source>Successful Payment URL</source>
        <translation>URL de paiement réussi</translation>
    </message>
    <message>
        <source>(http://www.yoursite.com/thankyou.html)</source>
        <translation>(http://www.votresite.fr/merci.html)</translation>
    </message>
    <message>
        <source>Cancel Payment URL - If the buyer does not complete payment for any reason, they will be returned to this URL.</source>
        <translation>URL de paiement annulé&#xa0;: si l&apos;acheteur ne termine pas son paiement, pour quelque raison que ce soit, il revient à cette URL.</translation>
    </message>
    <message>
        <source>Cancel Payment URL</source>
        <translation>URL de paiement annulé</translation>
    </message>
    <message>
        <source>(http://www.yoursite.com/cancelled.html)</source>
        <translation>(http://www.votresite.fr/annule.html)</translation>
    </message>
    <message>
        <source>A&amp;dvanced variables…</source>
        <translation>&amp;Variables avancées…</translation>
    </message>
    <message>
        <source>Advanced variables</source>
        <translation>Variables avancées</translation>
    </message>
    <message>
        <source>Further PayPal variables for the button</source>
        <translation>D&apos;autres variables PayPal pour le bouton</translation>
    </message>
</context>
<context>
    <name>fmBN_5</name>
    <message>
        <source>Here is a summary of what you have selected for this PayPal Add to Cart button. Use the &quot;Previous&quot; button to make any changes or press the &quot;Insert HTML&quot; button to complete the wizard. The button will be placed at the bottom of your HTML document.</source>
        <translation>Voici un récapitulatif de ce que vous avez choisi pour ce bouton PayPal Ajouter au panier. Utilisez le bouton «&#xa0;Retour&#xa0;» pour modifier quelque chose, ou le bouton «&#xa0;Insérer&#xa0;» pour terminer l&apos;assistant. Le bouton sera placé à la fin de votre document HTML.</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Étape</translation>
    </message>
    <message>
        <source>of</source>
        <translation>/</translation>
    </message>
    <message>
        <source>Item Detail</source>
        <translation>Détails de l&apos;article</translation>
    </message>
    <message>
        <source>HTML (not editable)</source>
        <translation>HTML (non modifiable)</translation>
    </message>
    <message>
        <source>For additional information on PayPal parameters, please visit the PayPal Developer Network.</source>
        <translation>Pour en savoir plus sur les paramètres PayPal, consultez le PayPal Developer Network.</translation>
    </message>
</context>
<context>
    <name>fmDON_1</name>
    <message>
        <source>PayPal Donations makes it easy for you to collect secure donations from your website. After inserting simple HTML code, you can collect your donations via secure PayPal payment pages.</source>
        <translation>Avec les dons PayPal, recueillez facilement des dons sécurisés sur votre site web. Après l&apos;insertion d&apos;un peu de code HTML, vos dons arrivent via les pages de paiement sécurisées de PayPal.</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Étape</translation>
    </message>
    <message>
        <source>of</source>
        <translation>/</translation>
    </message>
    <message>
        <source>- OR -</source>
        <translation>- OU -</translation>
    </message>
    <message>
        <source>Yes, I would like to create my own custom button
(HTTPS/Secured recommended).</source>
        <translation>Oui, je souhaite créer mon propre bouton
(HTTPS/sécurisé recommandé).</translation>
    </message>
    <message>
        <source>Create a custom button.  Just enter the exact URL of any image on your website.</source>
        <translation>Bouton personnalisé&#xa0;: saisissez l&apos;URL exacte d&apos;une image de votre site web.</translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>URL:</translation>
    </message>
    <message>
        <source>&amp;Copy HTML</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copy the HTML to the clipboard (Ctrl+Shift+C)</source>
        <translation>Copier le HTML dans le presse-papiers (Ctrl+Maj+C)</translation>
    </message>
    <message>
        <source>&lt;- Previous</source>
        <translation>&lt;- Retour</translation>
    </message>
    <message>
        <source>&amp;Next -&gt;</source>
        <translation>&amp;Suivant -&gt;</translation>
    </message>
    <message>
        <source>&amp;Insert HTML</source>
        <translation>&amp;Insérer</translation>
    </message>
</context>
<context>
    <name>fmDON_2</name>
    <message>
        <source>On this page you will enter the details of the item you wish to sell. </source>
        <translation>Sur cette page, vous saisissez les détails de l&apos;article que vous souhaitez vendre. </translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Étape</translation>
    </message>
    <message>
        <source>of</source>
        <translation>/</translation>
    </message>
    <message>
        <source>Donation Name/Service (optional)</source>
        <translation>Nom du don/du service (facultatif)</translation>
    </message>
    <message>
        <source>Donation ID/Number (optional)</source>
        <translation>ID/numéro du don (facultatif)</translation>
    </message>
    <message>
        <source>If you are requesting a specific donation amount, please enter it below. Otherwise, leave this field blank to allow your donators to enter their own amount. (leave it blank)</source>
        <translation>Si vous demandez un montant de don précis, saisissez-le ci-dessous. Sinon, laissez ce champ vide pour que vos donateurs indiquent eux-mêmes leur montant. (laisser vide)</translation>
    </message>
    <message>
        <source>Donation Amount</source>
        <translation>Montant du don</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Devise</translation>
    </message>
    <message>
        <source>Would you like your donators to have the option of including a note with their donation?</source>
        <translation>Souhaitez-vous que vos donateurs aient la possibilité de joindre une note à leur don&#xa0;?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Instructions for the note</source>
        <translation>Instructions pour la note</translation>
    </message>
</context>
<context>
    <name>fmSUB_1</name>
    <message>
        <source>PayPal Subscriptions lets you accept recurring payments for your service. Your subscribers will be able to subscribe quickly and securely from PayPal hosted payment pages where they can make initial payments (if necessary) and set up any future payments for the subscription.</source>
        <translation>Les abonnements PayPal vous permettent d&apos;accepter des paiements récurrents pour votre service. Vos abonnés s&apos;abonnent en toute sécurité sur les pages de paiement de PayPal, où ils font tous leurs paiements.</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Étape</translation>
    </message>
    <message>
        <source>of</source>
        <translation>/</translation>
    </message>
    <message>
        <source>- OR -</source>
        <translation>- OU -</translation>
    </message>
    <message>
        <source>Yes, I would like to create my own custom button
(HTTPS/Secured recommended).</source>
        <translation>Oui, je souhaite créer mon propre bouton
(HTTPS/sécurisé recommandé).</translation>
    </message>
    <message>
        <source>Create a custom button.  Just enter the exact URL of any image on your website.</source>
        <translation>Bouton personnalisé&#xa0;: saisissez l&apos;URL exacte d&apos;une image de votre site web.</translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>URL:</translation>
    </message>
    <message>
        <source>&amp;Copy HTML</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copy the HTML to the clipboard (Ctrl+Shift+C)</source>
        <translation>Copier le HTML dans le presse-papiers (Ctrl+Maj+C)</translation>
    </message>
    <message>
        <source>&lt;- Previous</source>
        <translation>&lt;- Retour</translation>
    </message>
    <message>
        <source>&amp;Next -&gt;</source>
        <translation>&amp;Suivant -&gt;</translation>
    </message>
    <message>
        <source>&amp;Insert HTML</source>
        <translation>&amp;Insérer</translation>
    </message>
</context>
<context>
    <name>fmSUB_2</name>
    <message>
        <source>On this page you will enter the details of the item you wish to sell. </source>
        <translation>Sur cette page, vous saisissez les détails de l&apos;article que vous souhaitez vendre. </translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Étape</translation>
    </message>
    <message>
        <source>of</source>
        <translation>/</translation>
    </message>
    <message>
        <source>Subscription Name:</source>
        <translation>Nom de l&apos;abonnement&#xa0;:</translation>
    </message>
    <message>
        <source>Reference Item Number (optional)</source>
        <translation>N° de référence (facultatif)</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Devise</translation>
    </message>
    <message>
        <source>I&amp;tem options…</source>
        <translation>&amp;Options…</translation>
    </message>
    <message>
        <source>Item options</source>
        <translation>Options de l&apos;article</translation>
    </message>
    <message>
        <source>Drop-down menus and text boxes for the buyer, shown above the button</source>
        <translation>Menus déroulants et zones de texte pour l&apos;acheteur, affichés au-dessus du bouton</translation>
    </message>
</context>
<context>
    <name>fmSUB_3</name>
    <message>
        <source>Billing and Payment Plan</source>
        <translation>Plan de facturation et de paiement</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Étape</translation>
    </message>
    <message>
        <source>of</source>
        <translation>/</translation>
    </message>
    <message>
        <source>Charge Customers:</source>
        <translation>Prélever&#xa0;:</translation>
    </message>
    <message>
        <source>Charge customers</source>
        <translation>Débiter les clients</translation>
    </message>
    <message>
        <source>every</source>
        <translation>tous les</translation>
    </message>
    <message>
        <source>Charge every (number)</source>
        <translation>Débiter tous les (nombre)</translation>
    </message>
    <message>
        <source>Charge every (period)</source>
        <translation>Débiter tous les (période)</translation>
    </message>
    <message>
        <source>Keep charging customers regularly, or until they cancel</source>
        <translation>Débiter régulièrement, jusqu&apos;à résiliation par le client</translation>
    </message>
    <message>
        <source>Stop charging after</source>
        <translation>Arrêter après</translation>
    </message>
    <message>
        <source>Stop charging after (number of payments)</source>
        <translation>Arrêter après (nombre de paiements)</translation>
    </message>
    <message>
        <source>Trial Period or Setup Fee (Optional)</source>
        <translation>Période d&apos;essai ou frais d&apos;installation (facultatif)</translation>
    </message>
    <message>
        <source>Trial period charge</source>
        <translation>Prix de la période d&apos;essai</translation>
    </message>
    <message>
        <source>for the first</source>
        <translation>pendant</translation>
    </message>
    <message>
        <source>Trial period length (number)</source>
        <translation>Durée de la période d&apos;essai (nombre)</translation>
    </message>
    <message>
        <source>Trial period length (period)</source>
        <translation>Durée de la période d&apos;essai (période)</translation>
    </message>
    <message>
        <source>* Hint 1: Try $0 for the first month if you want to offer a free trial period.</source>
        <translation>* Astuce 1&#xa0;: 0 $ le premier mois offre une période d&apos;essai gratuite.</translation>
    </message>
    <message>
        <source>* Hint 2: Try $20 for the first 1 day if you want to charge a setup fee.</source>
        <translation>* Astuce 2&#xa0;: 20 $ le premier jour facture des frais d&apos;installation.</translation>
    </message>
</context>
<context>
    <name>fmVC_1</name>
    <message>
        <source>Select a &quot;View Cart&quot; button so that your users can view the contents of their shopping cart and/or check out.</source>
        <translation>Choisissez un bouton Voir le panier, avec lequel vos clients consultent leur panier et passent à la caisse.</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Étape</translation>
    </message>
    <message>
        <source>of</source>
        <translation>/</translation>
    </message>
    <message>
        <source>- OR -</source>
        <translation>- OU -</translation>
    </message>
    <message>
        <source>Yes, I would like to create my own custom button
(HTTPS/Secured recommended).</source>
        <translation>Oui, je souhaite créer mon propre bouton
(HTTPS/sécurisé recommandé).</translation>
    </message>
    <message>
        <source>Create a custom button.  Just enter the exact URL of any image on your website.</source>
        <translation>Bouton personnalisé&#xa0;: saisissez l&apos;URL exacte d&apos;une image de votre site web.</translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>URL:</translation>
    </message>
    <message>
        <source>A&amp;dvanced variables…</source>
        <translation>&amp;Variables avancées…</translation>
    </message>
    <message>
        <source>Advanced variables</source>
        <translation>Variables avancées</translation>
    </message>
    <message>
        <source>Further PayPal variables for the button</source>
        <translation>D&apos;autres variables PayPal pour le bouton</translation>
    </message>
    <message>
        <source>&amp;Copy HTML</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copy the HTML to the clipboard (Ctrl+Shift+C)</source>
        <translation>Copier le HTML dans le presse-papiers (Ctrl+Maj+C)</translation>
    </message>
    <message>
        <source>&lt;- Previous</source>
        <translation>&lt;- Retour</translation>
    </message>
    <message>
        <source>&amp;Next -&gt;</source>
        <translation>&amp;Suivant -&gt;</translation>
    </message>
    <message>
        <source>&amp;Insert HTML</source>
        <translation>&amp;Insérer</translation>
    </message>
</context>
<context>
    <name>fmVC_2</name>
    <message>
        <source>Here is a summary of what you have selected for this PayPal Add to Cart button. Use the &quot;Back&quot; button to make any changes or press the &quot;Insert HTML&quot; button to complete the wizard. The button will be placed at the bottom of your HTML document.</source>
        <translation>Voici un récapitulatif de ce que vous avez choisi pour ce bouton PayPal. Utilisez le bouton «&#xa0;Retour&#xa0;» pour modifier quelque chose, ou le bouton «&#xa0;Insérer&#xa0;» pour terminer l&apos;assistant. Le bouton sera placé à la fin de votre document HTML.</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Étape</translation>
    </message>
    <message>
        <source>of</source>
        <translation>/</translation>
    </message>
    <message>
        <source>Item Detail</source>
        <translation>Détails de l&apos;article</translation>
    </message>
    <message>
        <source>HTML (not editable)</source>
        <translation>HTML (non modifiable)</translation>
    </message>
    <message>
        <source>For additional information on PayPal parameters, please visit the PayPal Developer Network.</source>
        <translation>Pour en savoir plus sur les paramètres PayPal, consultez le PayPal Developer Network.</translation>
    </message>
</context>
<context>
    <name>frmExamples</name>
    <message>
        <source>Click on the buttons below to see some examples of the different kind of payment buttons you can create for your web site.</source>
        <translation>Cliquez sur les boutons ci-dessous pour voir des exemples des différents boutons de paiement que vous pouvez créer pour votre site web.</translation>
    </message>
    <message>
        <source>Make sure you have a blank page open in FrontPage</source>
        <translation>Assurez-vous qu&apos;une page vide est ouverte dans FrontPage</translation>
    </message>
    <message>
        <source>Buy Now Example</source>
        <translation>Exemple Acheter</translation>
    </message>
    <message>
        <source>Shopping Cart Example</source>
        <translation>Exemple de panier</translation>
    </message>
    <message>
        <source>Subscription Example</source>
        <translation>Exemple d&apos;abonnement</translation>
    </message>
</context>
<context>
    <name>grpPage_0</name>
    <message>
        <source>Accept instant, secure payments from anyone with a credit card or checking account! </source>
        <translation>Paiements immédiats et sûrs par carte bancaire ou compte&#xa0;! </translation>
    </message>
    <message>
        <source>Sell via auctions, websites, market places or email </source>
        <translation>Vendez via des enchères, des sites web, des places de marché ou par e-mail </translation>
    </message>
    <message>
        <source>No set up or monthly fees </source>
        <translation>Ni frais d&apos;installation ni frais mensuels </translation>
    </message>
    <message>
        <source>Low transaction fees (as low as 2.2% + $0.30 per transaction) </source>
        <translation>Frais de transaction réduits (à partir de 2,2 % + 0,30 $ par transaction) </translation>
    </message>
    <message>
        <source>Instant availability of funds </source>
        <translation>Fonds disponibles immédiatement </translation>
    </message>
    <message>
        <source>Proven fraud and chargeback protection </source>
        <translation>Protection contre fraude et rétrofacturations </translation>
    </message>
    <message>
        <source>Reliable customer service </source>
        <translation>Service client fiable </translation>
    </message>
    <message>
        <source>Accept international payments from 38 countries </source>
        <translation>Acceptez des paiements internationaux de 38 pays </translation>
    </message>
    <message>
        <source>Trusted by over 2 million businesses </source>
        <translation>2 millions d&apos;entreprises l&apos;utilisent </translation>
    </message>
    <message>
        <source>Website Payments</source>
        <translation>Paiements web</translation>
    </message>
    <message>
        <source>Payment buttons for your own web pages.</source>
        <translation>Des boutons de paiement pour vos propres pages web.</translation>
    </message>
    <message>
        <source>Auction Payments</source>
        <translation>Enchères</translation>
    </message>
    <message>
        <source>Get paid quickly for the items you sell at auction.</source>
        <translation>Soyez payé vite pour vos enchères.</translation>
    </message>
    <message>
        <source>Click here for the PayPal Developers Network</source>
        <translation>Cliquez ici pour le PayPal Developers Network</translation>
    </message>
    <message>
        <source>Technical notes and every variable a button can carry.</source>
        <translation>Notes techniques et toutes les variables d&apos;un bouton.</translation>
    </message>
</context>
<context>
    <name>grpSTART_1</name>
    <message>
        <source>OK, let&apos;s get started.  This wizard will allow you to pick the options you wish for your PayPal purchase buttons. </source>
        <translation>C&apos;est parti. Cet assistant vous permet de choisir les options de vos boutons de paiement PayPal. </translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Étape</translation>
    </message>
    <message>
        <source>1. Your PayPal Account is the email address you use to register your account with PayPal.  If you don&apos;t have a PayPal account yet, just enter your primary email address for now.</source>
        <translation>1. Votre compte PayPal est l&apos;adresse e-mail avec laquelle vous avez ouvert votre compte PayPal. Si vous n&apos;avez pas encore de compte PayPal, saisissez simplement votre adresse e-mail principale pour l&apos;instant.</translation>
    </message>
    <message>
        <source>PayPal Account:</source>
        <translation>Compte PayPal:</translation>
    </message>
    <message>
        <source>(email)</source>
        <translation>(e-mail)</translation>
    </message>
    <message>
        <source>PayPal Privacy Policy</source>
        <translation>Politique de confidentialité PayPal</translation>
    </message>
    <message>
        <source>2. Click the TAB above of Purchase Button you would like to provide to your customers.</source>
        <translation>2. Cliquez en haut sur l&apos;onglet du bouton de paiement que vous souhaitez proposer à vos clients.</translation>
    </message>
    <message>
        <source>Try my buttons in the sandbox</source>
        <translation>Essayer mes boutons dans la sandbox</translation>
    </message>
    <message>
        <source>Buttons post to PayPal&apos;s test environment, where no real money moves</source>
        <translation>Les boutons envoient vers l&apos;environnement de test de PayPal, où aucun argent réel ne circule</translation>
    </message>
    <message>
        <source>Protect buttons from tampering…</source>
        <translation>Protéger les boutons…</translation>
    </message>
    <message>
        <source>Protect buttons from tampering</source>
        <translation>Protéger les boutons contre la falsification</translation>
    </message>
    <message>
        <source>Encrypt every button with your key and certificate</source>
        <translation>Chiffrer chaque bouton avec votre clé et votre certificat</translation>
    </message>
    <message>
        <source>PayPal payment &amp;link…</source>
        <translation>&amp;Lien de paiement…</translation>
    </message>
    <message>
        <source>PayPal payment link</source>
        <translation>Lien de paiement PayPal</translation>
    </message>
    <message>
        <source>Write a link to a payment link or button made in your PayPal account</source>
        <translation>Écrire un lien vers un lien ou bouton de paiement créé dans votre compte PayPal</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Edits one HTML page as source text, with the add-ins registered for the current user and for every user.</source>
        <translation>Modifie une page HTML en tant que texte source, avec les compléments enregistrés pour l&apos;utilisateur actuel et pour tous les utilisateurs.</translation>
    </message>
    <message>
        <source>The page to open; a new blank page when left out.</source>
        <translation>La page à ouvrir&#xa0;; une nouvelle page vide si elle est omise.</translation>
    </message>
    <message>
        <source>; the selection was handed back unchanged</source>
        <translation>&#xa0;; la sélection a été rendue inchangée</translation>
    </message>
    <message>
        <source>cannot go on: %1</source>
        <translation>impossible de continuer&#xa0;: %1</translation>
    </message>
    <message>
        <source>cannot open the wizard&apos;s window: %1</source>
        <translation>impossible d&apos;ouvrir la fenêtre de l&apos;assistant&#xa0;: %1</translation>
    </message>
    <message>
        <source>the selection is larger than %1 MiB; it was handed back unchanged</source>
        <translation>la sélection dépasse %1 Mio&#xa0;; elle a été rendue inchangée</translation>
    </message>
    <message>
        <source>standard input is closed, so there is no selection to read; nothing was written</source>
        <translation>l&apos;entrée standard est fermée, il n&apos;y a donc aucune sélection à lire&#xa0;; rien n&apos;a été écrit</translation>
    </message>
    <message>
        <source>standard output is closed, so the button would have nowhere to go; nothing was read</source>
        <translation>la sortie standard est fermée, le bouton n&apos;aurait donc nulle part où aller&#xa0;; rien n&apos;a été lu</translation>
    </message>
    <message>
        <source>cannot read the selection from standard input: %1</source>
        <translation>impossible de lire la sélection sur l&apos;entrée standard&#xa0;: %1</translation>
    </message>
    <message>
        <source>cannot open the wizard&apos;s window: no display is set (DISPLAY or WAYLAND_DISPLAY)</source>
        <translation>impossible d&apos;ouvrir la fenêtre de l&apos;assistant&#xa0;: aucun affichage n&apos;est défini (DISPLAY ou WAYLAND_DISPLAY)</translation>
    </message>
    <message>
        <source>cannot use standard output</source>
        <translation>impossible d&apos;utiliser la sortie standard</translation>
    </message>
    <message>
        <source>Writes a PayPal payment button with the wizard. Insert HTML puts it on the clipboard; with --filter the selection comes on standard input and the button, or the selection unchanged, goes to standard output.</source>
        <translation>Écrit un bouton de paiement PayPal avec l&apos;assistant. «&#xa0;Insérer&#xa0;» le place dans le presse-papiers&#xa0;; avec --filter, la sélection arrive sur l&apos;entrée standard, et le bouton, ou la sélection inchangée, part sur la sortie standard.</translation>
    </message>
    <message>
        <source>Work as a text filter for an editor.</source>
        <translation>Fonctionner comme filtre de texte pour un éditeur.</translation>
    </message>
</context>
<context>
    <name>ravelin::addin</name>
    <message>
        <source>&amp;PayPal Purchase Button Wizard</source>
        <translation>Assistant de boutons de paiement &amp;PayPal</translation>
    </message>
</context>
<context>
    <name>ravelin::addin::AddinTemplate</name>
    <message>
        <source>The new control is not a button.</source>
        <translation>Le nouveau contrôle n&apos;est pas un bouton.</translation>
    </message>
</context>
<context>
    <name>ravelin::editor::AddinHost</name>
    <message>
        <source>the library %1 does not exist</source>
        <translation>la bibliothèque %1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>the library %1 cannot be loaded: %2</source>
        <translation>impossible de charger la bibliothèque %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>no class is registered for %1</source>
        <translation>aucune classe n&apos;est enregistrée pour %1</translation>
    </message>
    <message>
        <source>no library is registered for the class %1</source>
        <translation>aucune bibliothèque n&apos;est enregistrée pour la classe %1</translation>
    </message>
    <message>
        <source>the library %1 has no entry point DllGetClassObject</source>
        <translation>la bibliothèque %1 n&apos;a pas de point d&apos;entrée DllGetClassObject</translation>
    </message>
    <message>
        <source>the library %1 does not provide the class %2 (error %3)</source>
        <translation>la bibliothèque %1 ne fournit pas la classe %2 (erreur %3)</translation>
    </message>
    <message>
        <source>the add-in object could not be created (error %1)</source>
        <translation>l&apos;objet du complément n&apos;a pas pu être créé (erreur %1)</translation>
    </message>
    <message>
        <source>no add-in %1 is registered</source>
        <translation>aucun complément %1 n&apos;est enregistré</translation>
    </message>
    <message>
        <source>the add-in failed to connect: %1</source>
        <translation>le complément n&apos;a pas pu se connecter&#xa0;: %1</translation>
    </message>
    <message>
        <source>the add-in failed to connect</source>
        <translation>le complément n&apos;a pas pu se connecter</translation>
    </message>
</context>
<context>
    <name>ravelin::editor::AddinsDialog</name>
    <message>
        <source>Load at Startup</source>
        <translation>Charger au démarrage</translation>
    </message>
    <message>
        <source>Load on Demand</source>
        <translation>Charger à la demande</translation>
    </message>
    <message>
        <source>Load at Next Startup Only</source>
        <translation>Charger au prochain démarrage seulement</translation>
    </message>
    <message>
        <source>Load by the user</source>
        <translation>Chargé par l&apos;utilisateur</translation>
    </message>
    <message>
        <source>(no library registered)</source>
        <translation>(aucune bibliothèque enregistrée)</translation>
    </message>
    <message>
        <source>Not loaded: %1.</source>
        <translation>Non chargé&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connecté</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Non connecté</translation>
    </message>
</context>
<context>
    <name>ravelin::editor::EditorPrompts</name>
    <message>
        <source>HTML pages (*.html *.htm);;All files (*)</source>
        <translation>Pages HTML (*.html *.htm);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Page Editor</source>
        <translation>Éditeur de pages</translation>
    </message>
    <message>
        <source>The page %1 has changes that are not saved.

Save them before closing it?</source>
        <translation>La page %1 contient des modifications non enregistrées.

Les enregistrer avant de la fermer&#xa0;?</translation>
    </message>
    <message>
        <source>Open Page</source>
        <translation>Ouvrir une page</translation>
    </message>
    <message>
        <source>Save Page As</source>
        <translation>Enregistrer la page sous</translation>
    </message>
</context>
<context>
    <name>ravelin::editor::MenuCommandBars</name>
    <message>
        <source>The menu entry has been deleted.</source>
        <translation>L&apos;entrée de menu a été supprimée.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erreur inconnue</translation>
    </message>
    <message>
        <source>The menu %1 takes only buttons.</source>
        <translation>Le menu %1 n&apos;accepte que des boutons.</translation>
    </message>
    <message>
        <source>The menu has been removed.</source>
        <translation>Le menu a été retiré.</translation>
    </message>
    <message>
        <source>There is no command bar named %1.</source>
        <translation>Il n&apos;y a pas de barre de commandes nommée %1.</translation>
    </message>
</context>
<context>
    <name>ravelin::editor::PageDocument</name>
    <message>
        <source>The page is closed.</source>
        <translation>La page est fermée.</translation>
    </message>
</context>
<context>
    <name>ravelin::editor::PageEditor</name>
    <message>
        <source>Colours</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>The command %1 failed: %2</source>
        <translation>La commande %1 a échoué&#xa0;: %2</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>%1[*] - Page Editor</source>
        <translation>%1[*] - Éditeur de pages</translation>
    </message>
    <message>
        <source>New page: %1</source>
        <translation>Nouvelle page&#xa0;: %1</translation>
    </message>
    <message>
        <source>A registry of add-ins could not be read and was passed over: %1.</source>
        <translation>Un registre de compléments n&apos;a pas pu être lu et a été ignoré&#xa0;: %1.</translation>
    </message>
    <message>
        <source>These add-ins could not be loaded:

%1

Tools &gt; Add-Ins lists them.</source>
        <translation>Ces compléments n&apos;ont pas pu être chargés&#xa0;:

%1

Outils &gt; Compléments les énumère.</translation>
    </message>
    <message>
        <source>Cannot open %1: it has a line of %L2 characters. The page editor opens pages whose lines are at most %L3 characters long; break the line in another editor first.</source>
        <translation>Impossible d&apos;ouvrir %1&#xa0;: il contient une ligne de %L2 caractères. L&apos;éditeur de pages ouvre les pages dont les lignes font au plus %L3 caractères&#xa0;; coupez d&apos;abord la ligne dans un autre éditeur.</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 enregistré</translation>
    </message>
    <message>
        <source>untitled.html</source>
        <translation>sans-titre.html</translation>
    </message>
    <message>
        <source>Cannot make a copy of the page to preview: %1</source>
        <translation>Impossible de faire une copie de la page pour l&apos;aperçu&#xa0;: %1</translation>
    </message>
    <message>
        <source>No browser could be started to show the page.

Choose your browser with the command
    xdg-settings set default-web-browser firefox-esr.desktop
(with the name of your browser&apos;s .desktop file), or name its program in the environment variable BROWSER, as in
    BROWSER=firefox page-editor</source>
        <translation>Aucun navigateur n&apos;a pu être lancé pour afficher la page.

Choisissez votre navigateur avec la commande
    xdg-settings set default-web-browser firefox-esr.desktop
(avec le nom du fichier .desktop de votre navigateur), ou indiquez son programme dans la variable d&apos;environnement BROWSER, comme dans
    BROWSER=firefox page-editor</translation>
    </message>
    <message>
        <source>Put the caret outside tags, comments, scripts, styles, text areas, titles and forms to insert there.</source>
        <translation>Placez le curseur hors des balises, commentaires, scripts, styles, zones de texte, titres et formulaires pour y insérer.</translation>
    </message>
    <message>
        <source>No colours: the page is longer than %L1 characters</source>
        <translation>Pas de couleurs&#xa0;: la page dépasse %L1 caractères</translation>
    </message>
    <message>
        <source>Lines longer than %L1 characters are shown without colours</source>
        <translation>Les lignes de plus de %L1 caractères sont affichées sans couleurs</translation>
    </message>
</context>
<context>
    <name>ravelin::editor::PageFile</name>
    <message>
        <source>it declares the character set &quot;%1&quot;, which the page editor cannot read or write; it knows UTF-8, windows-1252, ISO-8859-1 and US-ASCII</source>
        <translation>elle déclare le jeu de caractères «&#xa0;%1&#xa0;», que l&apos;éditeur de pages ne sait ni lire ni écrire&#xa0;; il connaît UTF-8, windows-1252, ISO-8859-1 et US-ASCII</translation>
    </message>
    <message>
        <source>it is UTF-16 text, which the page editor does not read</source>
        <translation>c&apos;est du texte UTF-16, que l&apos;éditeur de pages ne lit pas</translation>
    </message>
    <message>
        <source>it is not UTF-8 text, the character set it declares or UTF-8 when it declares none: the bytes at line %1 are not a UTF-8 character</source>
        <translation>ce n&apos;est pas du texte dans le jeu de caractères qu&apos;elle déclare, ou en UTF-8 si elle n&apos;en déclare aucun&#xa0;: les octets de la ligne %1 ne sont pas un caractère UTF-8</translation>
    </message>
    <message>
        <source>the character &quot;%1&quot; on line %2 is not in %3, the character set the page declares%4, and stands in a script, a style sheet or a comment, where a character reference would not stand for it</source>
        <translation>le caractère «&#xa0;%1&#xa0;» de la ligne %2 n&apos;appartient pas à %3, le jeu de caractères que déclare la page%4, et se trouve dans un script, une feuille de style ou un commentaire, où une référence de caractère ne le représenterait pas</translation>
    </message>
    <message>
        <source> (&quot;%1&quot; is read and written as %2, as browsers do)</source>
        <translation> («&#xa0;%1&#xa0;» est lu et écrit comme %2, ainsi que le font les navigateurs)</translation>
    </message>
    <message>
        <source>Cannot open the page: %1.</source>
        <translation>Impossible d&apos;ouvrir la page&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Cannot open %1: there is no such file.</source>
        <translation>Impossible d&apos;ouvrir %1&#xa0;: ce fichier n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>Impossible d&apos;ouvrir %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Cannot save %1: %2. The page is still open and unchanged in the editor.</source>
        <translation>Impossible d&apos;enregistrer %1&#xa0;: %2. La page reste ouverte et inchangée dans l&apos;éditeur.</translation>
    </message>
    <message>
        <source>Cannot save the page: %1. It is still open and unchanged in the editor.</source>
        <translation>Impossible d&apos;enregistrer la page&#xa0;: %1. Elle reste ouverte et inchangée dans l&apos;éditeur.</translation>
    </message>
</context>
<context>
    <name>ravelin::extras::FrmAbout</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Copyright © 2026 The %1 developers</source>
        <translation>Copyright © 2026 Les développeurs de %1</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Version&#xa0;: </translation>
    </message>
    <message>
        <source>This program is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License as published by the Free Software Foundation, either version 3 of the License, or (at your option) any later version.</source>
        <translation>Ce programme est un logiciel libre&#xa0;: vous pouvez le redistribuer et/ou le modifier selon les termes de la licence publique générale GNU telle que publiée par la Free Software Foundation, soit la version 3 de la licence, soit (à votre choix) toute version ultérieure.</translation>
    </message>
    <message>
        <source>This program is distributed in the hope that it will be useful, but WITHOUT ANY WARRANTY; without even the implied warranty of MERCHANTABILITY or FITNESS FOR A PARTICULAR PURPOSE.  See the GNU General Public License for more details.</source>
        <translation>Ce programme est distribué dans l&apos;espoir qu&apos;il sera utile, mais SANS AUCUNE GARANTIE, sans même la garantie implicite de QUALITÉ MARCHANDE ou d&apos;ADÉQUATION À UN USAGE PARTICULIER. Voir la licence publique générale GNU pour plus de détails.</translation>
    </message>
    <message>
        <source>You should have received a copy of the GNU General Public License along with this program.  If not, see &lt;https://www.gnu.org/licenses/&gt;.</source>
        <translation>Vous devriez avoir reçu une copie de la licence publique générale GNU avec ce programme. Sinon, voir &lt;https://www.gnu.org/licenses/&gt;.</translation>
    </message>
</context>
<context>
    <name>ravelin::extras::UpdateCheck</name>
    <message>
        <source>A newer version of Ravelin Wizard has been found.  Would you like to download it now?</source>
        <translation>Une version plus récente de Ravelin Wizard a été trouvée. Voulez-vous la télécharger maintenant&#xa0;?</translation>
    </message>
    <message>
        <source>New Version</source>
        <translation>Nouvelle version</translation>
    </message>
    <message>
        <source>When the download begins, you will receive a dialog box on whether to OPEN/RUN or SAVE the program.  Choose the OPEN/RUN button to automatically install the update.  You will need to exit FrontPage for the Update to work.</source>
        <translation>Au début du téléchargement, une boîte de dialogue vous demandera s&apos;il faut OUVRIR/EXÉCUTER ou ENREGISTRER le programme. Choisissez OUVRIR/EXÉCUTER pour installer automatiquement la mise à jour. Vous devrez quitter FrontPage pour que la mise à jour fonctionne.</translation>
    </message>
</context>
<context>
    <name>ravelin::standalone</name>
    <message>
        <source>The button&apos;s HTML is on the clipboard: paste it into your page where the button belongs.</source>
        <translation>Le HTML du bouton est dans le presse-papiers&#xa0;: collez-le dans votre page à l&apos;endroit où le bouton doit figurer.</translation>
    </message>
</context>
<context>
    <name>ravelin::standalone::FilterSession</name>
    <message>
        <source>could not write to standard output: %1</source>
        <translation>impossible d&apos;écrire sur la sortie standard&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>ravelin::wizard</name>
    <message>
        <source>Button picture %1</source>
        <translation>Image de bouton %1</translation>
    </message>
    <message>
        <source>%1 button</source>
        <translation>Bouton %1</translation>
    </message>
    <message>
        <source>small</source>
        <translation>petit</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>moyen</translation>
    </message>
    <message>
        <source>large</source>
        <translation>grand</translation>
    </message>
    <message>
        <source>with rounded ends</source>
        <translation>aux extrémités arrondies</translation>
    </message>
    <message>
        <source>with card logos</source>
        <translation>avec logos de cartes</translation>
    </message>
    <message>
        <source> (%1 × %2 pixels)</source>
        <translation> (%1 × %2 pixels)</translation>
    </message>
</context>
<context>
    <name>ravelin::wizard::ButtonInPage</name>
    <message>
        <source>The button the wizard was opened on has changed in the page since, so the new button was not put in its place. Open the wizard on the button again, or copy the new button&apos;s HTML.</source>
        <translation>Le bouton sur lequel l&apos;assistant a été ouvert a changé dans la page entre-temps&#xa0;; le nouveau bouton n&apos;a donc pas été mis à sa place. Rouvrez l&apos;assistant sur ce bouton, ou copiez le code HTML du nouveau bouton.</translation>
    </message>
</context>
<context>
    <name>ravelin::wizard::FrmPassphrase</name>
    <message>
        <source>The private key in %1 is protected by a passphrase. Passphrase:</source>
        <translation>La clé privée de %1 est protégée par une phrase secrète. Phrase secrète&#xa0;:</translation>
    </message>
</context>
<context>
    <name>ravelin::wizard::FrmPaymentLink</name>
    <message>
        <source>None: the link text alone</source>
        <translation>Aucune : le texte du lien seul</translation>
    </message>
    <message>
        <source>My own picture, at the address below</source>
        <translation>Ma propre image, à l&apos;adresse ci-dessous</translation>
    </message>
    <message>
        <source>Copied to the clipboard.</source>
        <translation>Copié dans le presse-papiers.</translation>
    </message>
</context>
<context>
    <name>ravelin::wizard::FrmProtect</name>
    <message>
        <source>Your Private Key</source>
        <translation>Votre clé privée</translation>
    </message>
    <message>
        <source>Your Certificate</source>
        <translation>Votre certificat</translation>
    </message>
    <message>
        <source>PayPal&apos;s Certificate</source>
        <translation>Certificat de PayPal</translation>
    </message>
    <message>
        <source>PEM files (*.pem *.crt *.cer *.key *.txt);;All files (*)</source>
        <translation>Fichiers PEM (*.pem *.crt *.cer *.key *.txt);;Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>ravelin::wizard::FrmStartup</name>
    <message>
        <source>Maker&apos;s web site</source>
        <translation>Site web de l&apos;éditeur</translation>
    </message>
    <message>
        <source>Button type</source>
        <translation>Type de bouton</translation>
    </message>
    <message>
        <source>Please enter your PayPal payment email address.</source>
        <translation>Veuillez saisir l&apos;adresse e-mail de votre compte de paiement PayPal.</translation>
    </message>
    <message>
        <source>The account address</source>
        <translation>l&apos;adresse du compte</translation>
    </message>
    <message>
        <source>Copied to the clipboard.</source>
        <translation>Copié dans le presse-papiers.</translation>
    </message>
    <message>
        <source>The encryption settings</source>
        <translation>les réglages de chiffrement</translation>
    </message>
    <message>
        <source>The sandbox choice</source>
        <translation>le choix de la sandbox</translation>
    </message>
    <message>
        <source>%1 could not be kept for the next time: %2. The wizard goes on with it; later failures to keep a setting are not told again.</source>
        <translation>Impossible de conserver %1 pour la prochaine fois&#xa0;: %2. L&apos;assistant continue avec ce réglage&#xa0;; les échecs ultérieurs d&apos;enregistrement d&apos;un réglage ne seront plus signalés.</translation>
    </message>
    <message>
        <source>Encrypted with ID %1</source>
        <translation>Chiffré avec l&apos;ID %1</translation>
    </message>
    <message>
        <source>PayPal will refuse or misread this button:</source>
        <translation>PayPal refusera ou lira mal ce bouton&#xa0;:</translation>
    </message>
    <message>
        <source>Step %1: %2</source>
        <translation>Étape %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Insert it anyway?</source>
        <translation>L&apos;insérer quand même&#xa0;?</translation>
    </message>
    <message>
        <source>Go to step %1</source>
        <translation>Aller à l&apos;étape %1</translation>
    </message>
    <message>
        <source>Step %1 has a problem: %2</source>
        <translation>L&apos;étape %1 a un problème&#xa0;: %2</translation>
    </message>
    <message>
        <source>Editing the button on line %1 of the page: Insert HTML puts the new one in its place.</source>
        <translation>Modification du bouton de la ligne %1 de la page&#xa0;: «&#xa0;Insérer&#xa0;» met le nouveau à sa place.</translation>
    </message>
    <message>
        <source>It is encrypted, so its answers could not be read: give them again.</source>
        <translation>Il est chiffré, ses réponses n&apos;ont donc pas pu être lues&#xa0;: saisissez-les à nouveau.</translation>
    </message>
    <message>
        <source>&amp;Replace with a PayPal payment link…</source>
        <translation>&amp;Remplacer par un lien de paiement PayPal…</translation>
    </message>
    <message>
        <source>Replace with a PayPal payment link</source>
        <translation>Remplacer par un lien de paiement PayPal</translation>
    </message>
    <message>
        <source>PayPal calls these buttons a legacy integration: the Setup page can replace it with a PayPal payment link.</source>
        <translation>PayPal qualifie ces boutons d&apos;intégration héritée : la page Configuration peut le remplacer par un lien de paiement PayPal.</translation>
    </message>
</context>
<context>
    <name>ravelin::wizard::Protection</name>
    <message>
        <source>Please choose the file of your private key.</source>
        <translation>Veuillez choisir le fichier de votre clé privée.</translation>
    </message>
    <message>
        <source>Please choose the file of your certificate.</source>
        <translation>Veuillez choisir le fichier de votre certificat.</translation>
    </message>
    <message>
        <source>Please choose the file of PayPal&apos;s certificate.</source>
        <translation>Veuillez choisir le fichier du certificat de PayPal.</translation>
    </message>
</context>
</TS>
