// IKEv2 policy, profile, proposal and keyring modes.
authentication|Set authentication method|k||
  #|side|k/o/n||
    local|Local authentication method||
    remote|Remote authentication method||
  #|||
    line|method|lb/le/wa||
      <cr>||||
      !
    !
  !
!
encryption|Set encryption algorithms|k/o/n||
  line|algorithms|lb/le/wa||
    <cr>||||
    !
  !
!
group|Set the Diffie-Hellman groups|k/o/n||
  line|groups|lb/le/wa||
    <cr>||||
    !
  !
!
integrity|Set integrity hash algorithms|k/o/n||
  line|algorithms|lb/le/wa||
    <cr>||||
    !
  !
!
prf|Set pseudo-random functions|k/o/n||
  line|algorithms|lb/le/wa||
    <cr>||||
    !
  !
!
proposal|Specify proposal|k||
  word|Proposal name|k/n||
    <cr>||||
    !
  !
!
keyring|Keyring|k/o/n||
  line|keyring|lb/le/wa||
    <cr>||||
    !
  !
!
lifetime|Set lifetime for the IKEv2 security association|k/o/n||
  line|seconds or none|lb/le/wa||
    <cr>||||
    !
  !
!
match|Match values|k||
  #|criterion|k||
    address|Local address||
    identity|Peer identity||
    fvrf|Front-door VRF||
    certificate|Certificate map||
  #|||
    line|value|lb/le/wa/k/n||
      <cr>||||
      !
    !
  !
!
peer|Configure a Peer and enter IKEv2 Keyring Peer config mode|k||
  word|Name of peer|k/n||
    <cr>||||@(config-ikev2-keyring-peer)# crypto_ikev2_peer.cfm
    !
  !
!
dpd|Dead peer detection|k/o/n||
  line|interval, retry and mode|lb/le/wa||
    <cr>||||
    !
  !
!
identity|Specify IKE identity to use|k||
  line|identity|lb/le/wa/k/o/n||
    <cr>||||
    !
  !
!
pki|PKI settings|k||
  trustpoint|Trustpoint for certificate authentication|k||
    word|Trustpoint name|k/n||
      <cr>||||
      !
      #|use|o/n||
        sign|Use for signing only||
        verify|Use for verification only||
      #|||
        <cr>||||
        !
      !
    !
  !
!
ivrf|Inside VRF of the profile|k/o/n||
  word|VRF name|||
    <cr>||||
    !
  !
!
virtual-template|Virtual template interface to clone from|k/o/n||
  <1-65535>|Virtual template interface number|||
    <cr>||||
    !
  !
!
nat|NAT settings|k||
  keepalive|NAT keepalive interval|k/o/n||
    <5-3600>|Keepalive interval in seconds|||
      <cr>||||
      !
    !
  !
  force-encap|Force UDP encapsulation|k/o/sb||
    <cr>||||
    !
  !
!
config-exchange|Configuration exchange options|k||
  request|Send a configuration request|k/o/sb||
    <cr>||||
    !
  !
!
