// Call-home mode "(cfg-call-home)#".
alert-group|Enable an alert group|k||
  word|Alert group name|k/o/sb||
    <cr>||||
    !
  !
!
#|setting|k/o/n||
  contact-email-addr|System Contact's email address||
  contract-id|Contract identification for Cisco AutoNotify||
  customer-id|Customer identification for Cisco AutoNotify||
  phone-number|Phone number of the contact person||
  site-id|Site identification for Cisco AutoNotify||
  street-address|Street address for RMA part shipments||
#|||
  line|value|lb/le/wa||
    <cr>||||
    !
  !
!
mail-server|Configure call-home mail server|k||
  word|Mail server address|k/o/n||
    priority|Mail server priority|||
      <1-100>|Priority, 1 the highest|||
        <cr>||||
        !
      !
    !
  !
!
profile|Enter call-home profile configuration mode|k||
  word|Profile name|k/n||
    <cr>||||@(cfg-call-home-profile)# call_home_profile.cfm
    !
  !
!
sender|Call home msg's sender email addresses|k||
  #|address kind|k/o/n||
    from|Call home msg's from email address||
    reply-to|Call home msg's reply-to email address||
  #|||
    word|Email address|||
      <cr>||||
      !
    !
  !
!
